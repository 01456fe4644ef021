file(REMOVE_RECURSE
  "CMakeFiles/kibanu_text_autogen"
  "kibanu_text_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/kibanu_text_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
