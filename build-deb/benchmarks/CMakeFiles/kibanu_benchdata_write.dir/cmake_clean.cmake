file(REMOVE_RECURSE
  "CMakeFiles/kibanu_benchdata_write_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/kibanu_benchdata_write_autogen.dir/ParseCache.txt"
  "kibanu_benchdata_write_autogen"
  "CMakeFiles/kibanu_benchdata_write.dir/benchdata_write.cpp.o"
  "CMakeFiles/kibanu_benchdata_write.dir/benchdata_write.cpp.o.d"
  "CMakeFiles/kibanu_benchdata_write.dir/kibanu_benchdata_write_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/kibanu_benchdata_write.dir/kibanu_benchdata_write_autogen/mocs_compilation.cpp.o.d"
  "kibanu_benchdata_write"
  "kibanu_benchdata_write.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/kibanu_benchdata_write.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
