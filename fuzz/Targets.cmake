# The fuzz targets and what each links. Shared by fuzz/ (libFuzzer programs, clang) and tests/fuzz/
# (the same sources compiled into one GoogleTest program that replays the kept inputs).
set(SALON_FUZZ_TARGETS
  bmp jpeg gif ico
  model_editor model_library
  category_list contents help_file
  crop stx
  nlg nsg iswg)
set(SALON_FUZZ_LIBS_bmp salon_platform)
set(SALON_FUZZ_LIBS_jpeg salon_platform)
set(SALON_FUZZ_LIBS_gif salon_platform)
set(SALON_FUZZ_LIBS_ico salon_platform)
set(SALON_FUZZ_LIBS_model_editor salon_engine)
set(SALON_FUZZ_LIBS_model_library salon_formats)
# The shell's readers are compiled from their own files rather than through the whole shell
# library, which brings the window logic and everything it needs.
set(shell_dir ${PROJECT_SOURCE_DIR}/editor/shell)
set(SALON_FUZZ_LIBS_category_list salon_texts salon_platform)
set(SALON_FUZZ_SOURCES_category_list ${shell_dir}/StartUp.cpp ${shell_dir}/CatalogueForm.cpp)
set(SALON_FUZZ_LIBS_contents salon_texts salon_platform)
set(SALON_FUZZ_SOURCES_contents ${shell_dir}/StartUp.cpp ${shell_dir}/CatalogueForm.cpp)
set(SALON_FUZZ_LIBS_help_file salon_platform)
set(SALON_FUZZ_SOURCES_help_file ${shell_dir}/HelpFile.cpp ${shell_dir}/RtfReader.cpp)
set(SALON_FUZZ_LIBS_crop trimlet_core)
set(SALON_FUZZ_LIBS_stx pixol_core)
set(SALON_FUZZ_LIBS_nlg salon_formats)
set(SALON_FUZZ_LIBS_nsg salon_formats)
set(SALON_FUZZ_LIBS_iswg salon_formats salon_platform)
