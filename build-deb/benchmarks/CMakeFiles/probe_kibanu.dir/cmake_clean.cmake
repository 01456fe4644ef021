file(REMOVE_RECURSE
  "CMakeFiles/probe_kibanu_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/probe_kibanu_autogen.dir/ParseCache.txt"
  "probe_kibanu_autogen"
  "CMakeFiles/probe_kibanu.dir/probe_kibanu.cpp.o"
  "CMakeFiles/probe_kibanu.dir/probe_kibanu.cpp.o.d"
  "CMakeFiles/probe_kibanu.dir/probe_kibanu_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/probe_kibanu.dir/probe_kibanu_autogen/mocs_compilation.cpp.o.d"
  "probe_kibanu"
  "probe_kibanu.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/probe_kibanu.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
