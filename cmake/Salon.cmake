# salon_test(NAME SOURCES src... LIBS lib...)
# One GoogleTest program per concept folder; every TEST becomes its own CTest entry.
function(salon_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    SALON_SOURCE_DIR="${PROJECT_SOURCE_DIR}" SALON_BINARY_DIR="${PROJECT_BINARY_DIR}")
  set(props ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SALON_DRIVES=D=${PROJECT_BINARY_DIR}/drive;${T_ENV}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${props})
endfunction()

# salon_library(NAME STATIC|SHARED GLOB dir... LIBS lib...): a library from the .cpp files of the
# given folders; nothing is defined while a folder has no sources yet.
function(salon_library name kind)
  cmake_parse_arguments(L "" "" "DIRS;LIBS" ${ARGN})
  set(srcs)
  foreach(d ${L_DIRS})
    file(GLOB s CONFIGURE_DEPENDS ${d}/*.cpp)
    list(APPEND srcs ${s})
  endforeach()
  if(srcs)
    add_library(${name} ${kind} ${srcs})
    target_link_libraries(${name} PUBLIC ${L_LIBS})
  endif()
endfunction()
