file(REMOVE_RECURSE
  "CMakeFiles/kibanu_probe_exit_autogen"
  "kibanu_probe_exit_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/kibanu_probe_exit_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
