file(REMOVE_RECURSE
  "CMakeFiles/probe_bare_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/probe_bare_autogen.dir/ParseCache.txt"
  "probe_bare_autogen"
  "CMakeFiles/probe_bare.dir/probe_bare.cpp.o"
  "CMakeFiles/probe_bare.dir/probe_bare.cpp.o.d"
  "CMakeFiles/probe_bare.dir/probe_bare_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/probe_bare.dir/probe_bare_autogen/mocs_compilation.cpp.o.d"
  "probe_bare"
  "probe_bare.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/probe_bare.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
