
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/build-deb/benchmarks/kibanu_probe_exit_autogen/mocs_compilation.cpp" "benchmarks/CMakeFiles/kibanu_probe_exit.dir/kibanu_probe_exit_autogen/mocs_compilation.cpp.o" "gcc" "benchmarks/CMakeFiles/kibanu_probe_exit.dir/kibanu_probe_exit_autogen/mocs_compilation.cpp.o.d"
  "/work/main/benchmarks/probe_exit.cpp" "benchmarks/CMakeFiles/kibanu_probe_exit.dir/probe_exit.cpp.o" "gcc" "benchmarks/CMakeFiles/kibanu_probe_exit.dir/probe_exit.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
