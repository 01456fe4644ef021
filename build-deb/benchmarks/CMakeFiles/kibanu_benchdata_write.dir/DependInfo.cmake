
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/benchmarks/benchdata_write.cpp" "benchmarks/CMakeFiles/kibanu_benchdata_write.dir/benchdata_write.cpp.o" "gcc" "benchmarks/CMakeFiles/kibanu_benchdata_write.dir/benchdata_write.cpp.o.d"
  "/work/main/build-deb/benchmarks/kibanu_benchdata_write_autogen/mocs_compilation.cpp" "benchmarks/CMakeFiles/kibanu_benchdata_write.dir/kibanu_benchdata_write_autogen/mocs_compilation.cpp.o" "gcc" "benchmarks/CMakeFiles/kibanu_benchdata_write.dir/kibanu_benchdata_write_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-deb/benchmarks/CMakeFiles/kibanu_benchdata.dir/DependInfo.cmake"
  "/work/main/build-deb/src/CMakeFiles/kibanu_models.dir/DependInfo.cmake"
  "/work/main/build-deb/src/CMakeFiles/kibanu_text.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
