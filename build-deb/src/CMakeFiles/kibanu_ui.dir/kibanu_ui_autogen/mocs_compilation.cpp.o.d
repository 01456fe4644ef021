src/CMakeFiles/kibanu_ui.dir/kibanu_ui_autogen/mocs_compilation.cpp.o: \
 /work/main/build-deb/src/kibanu_ui_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
