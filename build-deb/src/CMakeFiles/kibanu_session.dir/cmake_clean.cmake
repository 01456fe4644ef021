file(REMOVE_RECURSE
  "CMakeFiles/kibanu_session_autogen.dir/AutogenUsed.txt"
  "CMakeFiles/kibanu_session_autogen.dir/ParseCache.txt"
  "kibanu_session_autogen"
  "CMakeFiles/kibanu_session.dir/app/datahome.cpp.o"
  "CMakeFiles/kibanu_session.dir/app/datahome.cpp.o.d"
  "CMakeFiles/kibanu_session.dir/app/externaleditor.cpp.o"
  "CMakeFiles/kibanu_session.dir/app/externaleditor.cpp.o.d"
  "CMakeFiles/kibanu_session.dir/app/folderwatch.cpp.o"
  "CMakeFiles/kibanu_session.dir/app/folderwatch.cpp.o.d"
  "CMakeFiles/kibanu_session.dir/app/session.cpp.o"
  "CMakeFiles/kibanu_session.dir/app/session.cpp.o.d"
  "CMakeFiles/kibanu_session.dir/app/session_follow.cpp.o"
  "CMakeFiles/kibanu_session.dir/app/session_follow.cpp.o.d"
  "CMakeFiles/kibanu_session.dir/app/settings.cpp.o"
  "CMakeFiles/kibanu_session.dir/app/settings.cpp.o.d"
  "CMakeFiles/kibanu_session.dir/kibanu_session_autogen/mocs_compilation.cpp.o"
  "CMakeFiles/kibanu_session.dir/kibanu_session_autogen/mocs_compilation.cpp.o.d"
  "libkibanu_session.a"
  "libkibanu_session.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/kibanu_session.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
