file(REMOVE_RECURSE
  "CMakeFiles/kibanu_ui_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/kibanu_ui_autogen.dir/ParseCache.txt"
  "kibanu_ui_autogen"
  "CMakeFiles/kibanu_ui.dir/kibanu_ui_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/kibanu_ui.dir/kibanu_ui_autogen/mocs_compilation.cpp.o.d"
  "CMakeFiles/kibanu_ui.dir/ui/access.cpp.o"
  "CMakeFiles/kibanu_ui.dir/ui/access.cpp.o.d"
  "CMakeFiles/kibanu_ui.dir/ui/composition.cpp.o"
  "CMakeFiles/kibanu_ui.dir/ui/composition.cpp.o.d"
  "CMakeFiles/kibanu_ui.dir/ui/dragdrop.cpp.o"
  "CMakeFiles/kibanu_ui.dir/ui/dragdrop.cpp.o.d"
  "CMakeFiles/kibanu_ui.dir/ui/focus.cpp.o"
  "CMakeFiles/kibanu_ui.dir/ui/focus.cpp.o.d"
  "CMakeFiles/kibanu_ui.dir/ui/fonts.cpp.o"
  "CMakeFiles/kibanu_ui.dir/ui/fonts.cpp.o.d"
  "CMakeFiles/kibanu_ui.dir/ui/keys.cpp.o"
  "CMakeFiles/kibanu_ui.dir/ui/keys.cpp.o.d"
  "CMakeFiles/kibanu_ui.dir/ui/listview.cpp.o"
  "CMakeFiles/kibanu_ui.dir/ui/listview.cpp.o.d"
  "CMakeFiles/kibanu_ui.dir/ui/messageboxprompter.cpp.o"
  "CMakeFiles/kibanu_ui.dir/ui/messageboxprompter.cpp.o.d"
  "CMakeFiles/kibanu_ui.dir/ui/pictures.cpp.o"
  "CMakeFiles/kibanu_ui.dir/ui/pictures.cpp.o.d"
  "CMakeFiles/kibanu_ui.dir/ui/textdelegate.cpp.o"
  "CMakeFiles/kibanu_ui.dir/ui/textdelegate.cpp.o.d"
  "CMakeFiles/kibanu_ui.dir/ui/typedtextvalidator.cpp.o"
  "CMakeFiles/kibanu_ui.dir/ui/typedtextvalidator.cpp.o.d"
  "CMakeFiles/kibanu_ui.dir/ui/windows.cpp.o"
  "CMakeFiles/kibanu_ui.dir/ui/windows.cpp.o.d"
  "libkibanu_ui.a"
  "libkibanu_ui.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/kibanu_ui.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
