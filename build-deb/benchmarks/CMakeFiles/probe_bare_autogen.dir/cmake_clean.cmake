file(REMOVE_RECURSE
  "CMakeFiles/probe_bare_autogen"
  "probe_bare_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/probe_bare_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
