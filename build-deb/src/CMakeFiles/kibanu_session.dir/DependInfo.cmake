
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/src/app/datahome.cpp" "src/CMakeFiles/kibanu_session.dir/app/datahome.cpp.o" "gcc" "src/CMakeFiles/kibanu_session.dir/app/datahome.cpp.o.d"
  "/work/main/src/app/externaleditor.cpp" "src/CMakeFiles/kibanu_session.dir/app/externaleditor.cpp.o" "gcc" "src/CMakeFiles/kibanu_session.dir/app/externaleditor.cpp.o.d"
  "/work/main/src/app/folderwatch.cpp" "src/CMakeFiles/kibanu_session.dir/app/folderwatch.cpp.o" "gcc" "src/CMakeFiles/kibanu_session.dir/app/folderwatch.cpp.o.d"
  "/work/main/src/app/session.cpp" "src/CMakeFiles/kibanu_session.dir/app/session.cpp.o" "gcc" "src/CMakeFiles/kibanu_session.dir/app/session.cpp.o.d"
  "/work/main/src/app/session_follow.cpp" "src/CMakeFiles/kibanu_session.dir/app/session_follow.cpp.o" "gcc" "src/CMakeFiles/kibanu_session.dir/app/session_follow.cpp.o.d"
  "/work/main/src/app/settings.cpp" "src/CMakeFiles/kibanu_session.dir/app/settings.cpp.o" "gcc" "src/CMakeFiles/kibanu_session.dir/app/settings.cpp.o.d"
  "/work/main/build-deb/src/kibanu_session_autogen/mocs_compilation.cpp" "src/CMakeFiles/kibanu_session.dir/kibanu_session_autogen/mocs_compilation.cpp.o" "gcc" "src/CMakeFiles/kibanu_session.dir/kibanu_session_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-deb/src/CMakeFiles/kibanu_models.dir/DependInfo.cmake"
  "/work/main/build-deb/src/CMakeFiles/kibanu_text.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
