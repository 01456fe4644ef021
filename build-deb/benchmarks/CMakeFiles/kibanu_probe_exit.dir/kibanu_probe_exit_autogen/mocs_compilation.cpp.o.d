benchmarks/CMakeFiles/kibanu_probe_exit.dir/kibanu_probe_exit_autogen/mocs_compilation.cpp.o: \
 /work/main/build-deb/benchmarks/kibanu_probe_exit_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
