
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/src/app/desktopnotifier.cpp" "src/CMakeFiles/kibanu_app.dir/app/desktopnotifier.cpp.o" "gcc" "src/CMakeFiles/kibanu_app.dir/app/desktopnotifier.cpp.o.d"
  "/work/main/src/app/kibanuapp.cpp" "src/CMakeFiles/kibanu_app.dir/app/kibanuapp.cpp.o" "gcc" "src/CMakeFiles/kibanu_app.dir/app/kibanuapp.cpp.o.d"
  "/work/main/src/app/kibanuapp_forward.cpp" "src/CMakeFiles/kibanu_app.dir/app/kibanuapp_forward.cpp.o" "gcc" "src/CMakeFiles/kibanu_app.dir/app/kibanuapp_forward.cpp.o.d"
  "/work/main/src/app/kibanuapp_interchange.cpp" "src/CMakeFiles/kibanu_app.dir/app/kibanuapp_interchange.cpp.o" "gcc" "src/CMakeFiles/kibanu_app.dir/app/kibanuapp_interchange.cpp.o.d"
  "/work/main/src/app/kibanuapp_quit.cpp" "src/CMakeFiles/kibanu_app.dir/app/kibanuapp_quit.cpp.o" "gcc" "src/CMakeFiles/kibanu_app.dir/app/kibanuapp_quit.cpp.o.d"
  "/work/main/src/app/reminding.cpp" "src/CMakeFiles/kibanu_app.dir/app/reminding.cpp.o" "gcc" "src/CMakeFiles/kibanu_app.dir/app/reminding.cpp.o.d"
  "/work/main/src/app/singlerun.cpp" "src/CMakeFiles/kibanu_app.dir/app/singlerun.cpp.o" "gcc" "src/CMakeFiles/kibanu_app.dir/app/singlerun.cpp.o.d"
  "/work/main/src/app/synccommand.cpp" "src/CMakeFiles/kibanu_app.dir/app/synccommand.cpp.o" "gcc" "src/CMakeFiles/kibanu_app.dir/app/synccommand.cpp.o.d"
  "/work/main/build-deb/src/kibanu_app_autogen/mocs_compilation.cpp" "src/CMakeFiles/kibanu_app.dir/kibanu_app_autogen/mocs_compilation.cpp.o" "gcc" "src/CMakeFiles/kibanu_app.dir/kibanu_app_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-deb/src/CMakeFiles/kibanu_windows.dir/DependInfo.cmake"
  "/work/main/build-deb/src/CMakeFiles/kibanu_session.dir/DependInfo.cmake"
  "/work/main/build-deb/src/CMakeFiles/kibanu_ui.dir/DependInfo.cmake"
  "/work/main/build-deb/src/CMakeFiles/kibanu_models.dir/DependInfo.cmake"
  "/work/main/build-deb/src/CMakeFiles/kibanu_text.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
