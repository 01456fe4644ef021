file(REMOVE_RECURSE
  "CMakeFiles/kibanu_benchdata_write_autogen"
  "kibanu_benchdata_write_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/kibanu_benchdata_write_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
