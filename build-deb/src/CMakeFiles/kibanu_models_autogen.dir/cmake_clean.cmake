file(REMOVE_RECURSE
  "CMakeFiles/kibanu_models_autogen"
  "kibanu_models_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/kibanu_models_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
