src/CMakeFiles/kibanu_text.dir/kibanu_text_autogen/mocs_compilation.cpp.o: \
 /work/main/build-deb/src/kibanu_text_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
