src/app/CMakeFiles/kibanu.dir/kibanu_autogen/mocs_compilation.cpp.o: \
 /work/main/build-deb/src/app/kibanu_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
