
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/benchmarks/bench_interchange.cpp" "benchmarks/CMakeFiles/kibanu_benchmarks.dir/bench_interchange.cpp.o" "gcc" "benchmarks/CMakeFiles/kibanu_benchmarks.dir/bench_interchange.cpp.o.d"
  "/work/main/benchmarks/bench_main.cpp" "benchmarks/CMakeFiles/kibanu_benchmarks.dir/bench_main.cpp.o" "gcc" "benchmarks/CMakeFiles/kibanu_benchmarks.dir/bench_main.cpp.o.d"
  "/work/main/benchmarks/bench_session.cpp" "benchmarks/CMakeFiles/kibanu_benchmarks.dir/bench_session.cpp.o" "gcc" "benchmarks/CMakeFiles/kibanu_benchmarks.dir/bench_session.cpp.o.d"
  "/work/main/benchmarks/bench_sync.cpp" "benchmarks/CMakeFiles/kibanu_benchmarks.dir/bench_sync.cpp.o" "gcc" "benchmarks/CMakeFiles/kibanu_benchmarks.dir/bench_sync.cpp.o.d"
  "/work/main/benchmarks/bench_windows.cpp" "benchmarks/CMakeFiles/kibanu_benchmarks.dir/bench_windows.cpp.o" "gcc" "benchmarks/CMakeFiles/kibanu_benchmarks.dir/bench_windows.cpp.o.d"
  "/work/main/build-deb/benchmarks/kibanu_benchmarks_autogen/mocs_compilation.cpp" "benchmarks/CMakeFiles/kibanu_benchmarks.dir/kibanu_benchmarks_autogen/mocs_compilation.cpp.o" "gcc" "benchmarks/CMakeFiles/kibanu_benchmarks.dir/kibanu_benchmarks_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-deb/src/CMakeFiles/kibanu_app.dir/DependInfo.cmake"
  "/work/main/build-deb/benchmarks/CMakeFiles/kibanu_benchdata.dir/DependInfo.cmake"
  "/work/main/build-deb/src/CMakeFiles/kibanu_windows.dir/DependInfo.cmake"
  "/work/main/build-deb/src/CMakeFiles/kibanu_ui.dir/DependInfo.cmake"
  "/work/main/build-deb/src/CMakeFiles/kibanu_session.dir/DependInfo.cmake"
  "/work/main/build-deb/src/CMakeFiles/kibanu_models.dir/DependInfo.cmake"
  "/work/main/build-deb/src/CMakeFiles/kibanu_text.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
