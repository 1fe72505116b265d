# The installed layout: the GNU installation directories, the relative form of them that the
# programs are built with (generated/SalonInstallDirs.h), and the run path that lets an installed
# program find the components and libpixol in the library folder beside its own, wherever the
# tree is installed or copied to. The build tree keeps its own run paths.
include(GNUInstallDirs)

set(SALON_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)

# salon_relative_install_dir(OUT DIR): DIR relative to the prefix, even when given absolute.
function(salon_relative_install_dir out dir)
  if(IS_ABSOLUTE "${dir}")
    file(RELATIVE_PATH dir "${CMAKE_INSTALL_PREFIX}" "${dir}")
  endif()
  set(${out} "${dir}" PARENT_SCOPE)
endfunction()

salon_relative_install_dir(SALON_REL_BINDIR "${CMAKE_INSTALL_BINDIR}")
salon_relative_install_dir(SALON_REL_LIBDIR "${CMAKE_INSTALL_LIBDIR}")
salon_relative_install_dir(SALON_REL_DATADIR "${CMAKE_INSTALL_DATADIR}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/SalonInstallDirs.h.in
               ${SALON_GENERATED_DIR}/generated/SalonInstallDirs.h @ONLY)

file(RELATIVE_PATH salon_bin_to_lib /prefix/${SALON_REL_BINDIR} /prefix/${SALON_REL_LIBDIR})
set(CMAKE_INSTALL_RPATH "$ORIGIN/${salon_bin_to_lib}")

# The names of the menu entries, their icons and metadata (reverse domain names, as the
# freedesktop specifications ask).
set(SALON_EDITOR_ID org.salon.frizet01)
set(SALON_PRESENTATION_ID org.salon.prevu1)
