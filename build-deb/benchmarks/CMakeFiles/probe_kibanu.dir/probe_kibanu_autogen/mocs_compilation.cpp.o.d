benchmarks/CMakeFiles/probe_kibanu.dir/probe_kibanu_autogen/mocs_compilation.cpp.o: \
 /work/main/build-deb/benchmarks/probe_kibanu_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
