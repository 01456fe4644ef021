file(REMOVE_RECURSE
  "../../Kibanu/kibanu"
  "../../Kibanu/kibanu.pdb"
  ".rcc/qrc_icon.cpp"
  "CMakeFiles/kibanu_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/kibanu_autogen.dir/ParseCache.txt"
  "kibanu_autogen"
  "CMakeFiles/kibanu.dir/.rcc/qrc_icon.cpp.o"
  "CMakeFiles/kibanu.dir/.rcc/qrc_icon.cpp.o.d"
  "CMakeFiles/kibanu.dir/kibanu_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/kibanu.dir/kibanu_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/kibanu.dir/main.cpp.o"
  "CMakeFiles/kibanu.dir/main.cpp.o.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/kibanu.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
