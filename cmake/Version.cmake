# The suite's one version number, project(... VERSION ...), for the code: generated/SalonVersion.h.
# The menu metadata and the package take it from PROJECT_VERSION too.
configure_file(${CMAKE_CURRENT_LIST_DIR}/SalonVersion.h.in
               ${CMAKE_BINARY_DIR}/generated/generated/SalonVersion.h @ONLY)
