file(REMOVE_RECURSE
  "CMakeFiles/kibanu_session_autogen"
  "kibanu_session_autogen/mocs_compilation.cpp"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/kibanu_session_autogen.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
