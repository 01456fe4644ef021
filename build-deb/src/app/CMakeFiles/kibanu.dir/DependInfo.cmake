
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/build-deb/src/app/.rcc/qrc_icon.cpp" "src/app/CMakeFiles/kibanu.dir/.rcc/qrc_icon.cpp.o" "gcc" "src/app/CMakeFiles/kibanu.dir/.rcc/qrc_icon.cpp.o.d"
  "/work/main/build-deb/src/app/kibanu_autogen/mocs_compilation.cpp" "src/app/CMakeFiles/kibanu.dir/kibanu_autogen/mocs_compilation.cpp.o" "gcc" "src/app/CMakeFiles/kibanu.dir/kibanu_autogen/mocs_compilation.cpp.o.d"
  "/work/main/src/app/main.cpp" "src/app/CMakeFiles/kibanu.dir/main.cpp.o" "gcc" "src/app/CMakeFiles/kibanu.dir/main.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-deb/src/CMakeFiles/kibanu_app.dir/DependInfo.cmake"
  "/work/main/build-deb/src/CMakeFiles/kibanu_windows.dir/DependInfo.cmake"
  "/work/main/build-deb/src/CMakeFiles/kibanu_ui.dir/DependInfo.cmake"
  "/work/main/build-deb/src/CMakeFiles/kibanu_session.dir/DependInfo.cmake"
  "/work/main/build-deb/src/CMakeFiles/kibanu_models.dir/DependInfo.cmake"
  "/work/main/build-deb/src/CMakeFiles/kibanu_text.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
