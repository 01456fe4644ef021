
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/build-deb/src/kibanu_ui_autogen/mocs_compilation.cpp" "src/CMakeFiles/kibanu_ui.dir/kibanu_ui_autogen/mocs_compilation.cpp.o" "gcc" "src/CMakeFiles/kibanu_ui.dir/kibanu_ui_autogen/mocs_compilation.cpp.o.d"
  "/work/main/src/ui/access.cpp" "src/CMakeFiles/kibanu_ui.dir/ui/access.cpp.o" "gcc" "src/CMakeFiles/kibanu_ui.dir/ui/access.cpp.o.d"
  "/work/main/src/ui/composition.cpp" "src/CMakeFiles/kibanu_ui.dir/ui/composition.cpp.o" "gcc" "src/CMakeFiles/kibanu_ui.dir/ui/composition.cpp.o.d"
  "/work/main/src/ui/dragdrop.cpp" "src/CMakeFiles/kibanu_ui.dir/ui/dragdrop.cpp.o" "gcc" "src/CMakeFiles/kibanu_ui.dir/ui/dragdrop.cpp.o.d"
  "/work/main/src/ui/focus.cpp" "src/CMakeFiles/kibanu_ui.dir/ui/focus.cpp.o" "gcc" "src/CMakeFiles/kibanu_ui.dir/ui/focus.cpp.o.d"
  "/work/main/src/ui/fonts.cpp" "src/CMakeFiles/kibanu_ui.dir/ui/fonts.cpp.o" "gcc" "src/CMakeFiles/kibanu_ui.dir/ui/fonts.cpp.o.d"
  "/work/main/src/ui/keys.cpp" "src/CMakeFiles/kibanu_ui.dir/ui/keys.cpp.o" "gcc" "src/CMakeFiles/kibanu_ui.dir/ui/keys.cpp.o.d"
  "/work/main/src/ui/listview.cpp" "src/CMakeFiles/kibanu_ui.dir/ui/listview.cpp.o" "gcc" "src/CMakeFiles/kibanu_ui.dir/ui/listview.cpp.o.d"
  "/work/main/src/ui/messageboxprompter.cpp" "src/CMakeFiles/kibanu_ui.dir/ui/messageboxprompter.cpp.o" "gcc" "src/CMakeFiles/kibanu_ui.dir/ui/messageboxprompter.cpp.o.d"
  "/work/main/src/ui/pictures.cpp" "src/CMakeFiles/kibanu_ui.dir/ui/pictures.cpp.o" "gcc" "src/CMakeFiles/kibanu_ui.dir/ui/pictures.cpp.o.d"
  "/work/main/src/ui/textdelegate.cpp" "src/CMakeFiles/kibanu_ui.dir/ui/textdelegate.cpp.o" "gcc" "src/CMakeFiles/kibanu_ui.dir/ui/textdelegate.cpp.o.d"
  "/work/main/src/ui/typedtextvalidator.cpp" "src/CMakeFiles/kibanu_ui.dir/ui/typedtextvalidator.cpp.o" "gcc" "src/CMakeFiles/kibanu_ui.dir/ui/typedtextvalidator.cpp.o.d"
  "/work/main/src/ui/windows.cpp" "src/CMakeFiles/kibanu_ui.dir/ui/windows.cpp.o" "gcc" "src/CMakeFiles/kibanu_ui.dir/ui/windows.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-deb/src/CMakeFiles/kibanu_models.dir/DependInfo.cmake"
  "/work/main/build-deb/src/CMakeFiles/kibanu_text.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
