benchmarks/CMakeFiles/probe_bare.dir/probe_bare_autogen/mocs_compilation.cpp.o: \
 /work/main/build-deb/benchmarks/probe_bare_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
