file(REMOVE_RECURSE
  "CMakeFiles/kibanu_benchdata_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/kibanu_benchdata_autogen.dir/ParseCache.txt"
  "kibanu_benchdata_autogen"
  "CMakeFiles/kibanu_benchdata.dir/benchdata.cpp.o"
  "CMakeFiles/kibanu_benchdata.dir/benchdata.cpp.o.d"
  "CMakeFiles/kibanu_benchdata.dir/kibanu_benchdata_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/kibanu_benchdata.dir/kibanu_benchdata_autogen/mocs_compilation.cpp.o.d"
  "libkibanu_benchdata.a"
  "libkibanu_benchdata.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/kibanu_benchdata.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
