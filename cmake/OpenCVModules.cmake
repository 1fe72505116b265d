# salon_find_opencv(module...): sets OpenCV_INCLUDE_DIRS and OpenCV_LIBS for the named modules.
#
# OpenCV's CMake package comes with Debian's libopencv-dev, which pulls in every module of OpenCV
# (about forty packages, the 3D viewer among them). The suite needs a handful, whose per-module
# packages (libopencv-<module>-dev) carry the headers and libraries but no CMake package; without
# libopencv-dev the modules are found one by one instead.
macro(salon_find_opencv)
  find_package(OpenCV QUIET COMPONENTS ${ARGN})
  if(NOT OpenCV_FOUND)
    find_path(SALON_OPENCV_INCLUDE_DIR opencv2/core.hpp PATH_SUFFIXES opencv4 REQUIRED)
    set(OpenCV_INCLUDE_DIRS ${SALON_OPENCV_INCLUDE_DIR})
    set(OpenCV_LIBS)
    foreach(module ${ARGN})
      find_library(SALON_OPENCV_${module} opencv_${module})
      if(NOT SALON_OPENCV_${module})
        message(FATAL_ERROR "OpenCV module ${module} not found: install libopencv-${module}-dev")
      endif()
      list(APPEND OpenCV_LIBS ${SALON_OPENCV_${module}})
    endforeach()
    message(STATUS "OpenCV modules ${ARGN} from ${OpenCV_INCLUDE_DIRS}")
  endif()
endmacro()
