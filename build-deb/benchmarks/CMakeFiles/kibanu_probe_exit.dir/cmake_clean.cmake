file(REMOVE_RECURSE
  "CMakeFiles/kibanu_probe_exit_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/kibanu_probe_exit_autogen.dir/ParseCache.txt"
  "kibanu_probe_exit_autogen"
  "CMakeFiles/kibanu_probe_exit.dir/kibanu_probe_exit_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/kibanu_probe_exit.dir/kibanu_probe_exit_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/kibanu_probe_exit.dir/probe_exit.cpp.o"
  "CMakeFiles/kibanu_probe_exit.dir/probe_exit.cpp.o.d"
  "libkibanu_probe_exit.a"
  "libkibanu_probe_exit.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/kibanu_probe_exit.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
