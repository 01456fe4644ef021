file(REMOVE_RECURSE
  "CMakeFiles/kibanu_windows_autogen"
  "kibanu_windows_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/kibanu_windows_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
