benchmarks/CMakeFiles/kibanu_benchmarks.dir/kibanu_benchmarks_autogen/mocs_compilation.cpp.o: \
 /work/main/build-deb/benchmarks/kibanu_benchmarks_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
