file(REMOVE_RECURSE
  "CMakeFiles/kibanu_app_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/kibanu_app_autogen.dir/ParseCache.txt"
  "kibanu_app_autogen"
  "CMakeFiles/kibanu_app.dir/app/desktopnotifier.cpp.o"
  "CMakeFiles/kibanu_app.dir/app/desktopnotifier.cpp.o.d"
  "CMakeFiles/kibanu_app.dir/app/kibanuapp.cpp.o"
  "CMakeFiles/kibanu_app.dir/app/kibanuapp.cpp.o.d"
  "CMakeFiles/kibanu_app.dir/app/kibanuapp_forward.cpp.o"
  "CMakeFiles/kibanu_app.dir/app/kibanuapp_forward.cpp.o.d"
  "CMakeFiles/kibanu_app.dir/app/kibanuapp_interchange.cpp.o"
  "CMakeFiles/kibanu_app.dir/app/kibanuapp_interchange.cpp.o.d"
  "CMakeFiles/kibanu_app.dir/app/kibanuapp_quit.cpp.o"
  "CMakeFiles/kibanu_app.dir/app/kibanuapp_quit.cpp.o.d"
  "CMakeFiles/kibanu_app.dir/app/reminding.cpp.o"
  "CMakeFiles/kibanu_app.dir/app/reminding.cpp.o.d"
  "CMakeFiles/kibanu_app.dir/app/singlerun.cpp.o"
  "CMakeFiles/kibanu_app.dir/app/singlerun.cpp.o.d"
  "CMakeFiles/kibanu_app.dir/app/synccommand.cpp.o"
  "CMakeFiles/kibanu_app.dir/app/synccommand.cpp.o.d"
  "CMakeFiles/kibanu_app.dir/kibanu_app_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/kibanu_app.dir/kibanu_app_autogen/mocs_compilation.cpp.o.d"
  "libkibanu_app.a"
  "libkibanu_app.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/kibanu_app.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
