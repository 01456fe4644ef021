
# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/kibanu_other_files.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
