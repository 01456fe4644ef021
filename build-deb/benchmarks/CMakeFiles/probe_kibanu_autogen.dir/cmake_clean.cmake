file(REMOVE_RECURSE
  "CMakeFiles/probe_kibanu_autogen"
  "probe_kibanu_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/probe_kibanu_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
