file(REMOVE_RECURSE
  "CMakeFiles/kibanu_app_autogen"
  "kibanu_app_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/kibanu_app_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
