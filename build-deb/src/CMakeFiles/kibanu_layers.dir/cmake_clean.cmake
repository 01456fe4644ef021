file(REMOVE_RECURSE
  "../layers.stamp"
  "CMakeFiles/kibanu_layers"
)

# Per-language clean rules from dependency scanning.
foreach(lang )
  include(CMakeFiles/kibanu_layers.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
