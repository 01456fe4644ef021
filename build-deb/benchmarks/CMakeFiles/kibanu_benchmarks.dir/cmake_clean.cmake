file(REMOVE_RECURSE
  "CMakeFiles/kibanu_benchmarks_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/kibanu_benchmarks_autogen.dir/ParseCache.txt"
  "kibanu_benchmarks_autogen"
  "CMakeFiles/kibanu_benchmarks.dir/bench_interchange.cpp.o"
  "CMakeFiles/kibanu_benchmarks.dir/bench_interchange.cpp.o.d"
  "CMakeFiles/kibanu_benchmarks.dir/bench_main.cpp.o"
  "CMakeFiles/kibanu_benchmarks.dir/bench_main.cpp.o.d"
  "CMakeFiles/kibanu_benchmarks.dir/bench_session.cpp.o"
  "CMakeFiles/kibanu_benchmarks.dir/bench_session.cpp.o.d"
  "CMakeFiles/kibanu_benchmarks.dir/bench_sync.cpp.o"
  "CMakeFiles/kibanu_benchmarks.dir/bench_sync.cpp.o.d"
  "CMakeFiles/kibanu_benchmarks.dir/bench_windows.cpp.o"
  "CMakeFiles/kibanu_benchmarks.dir/bench_windows.cpp.o.d"
  "CMakeFiles/kibanu_benchmarks.dir/kibanu_benchmarks_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/kibanu_benchmarks.dir/kibanu_benchmarks_autogen/mocs_compilation.cpp.o.d"
  "kibanu_benchmarks"
  "kibanu_benchmarks.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/kibanu_benchmarks.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
