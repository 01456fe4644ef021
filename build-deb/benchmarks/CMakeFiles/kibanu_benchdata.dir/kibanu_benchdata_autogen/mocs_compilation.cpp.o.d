benchmarks/CMakeFiles/kibanu_benchdata.dir/kibanu_benchdata_autogen/mocs_compilation.cpp.o: \
 /work/main/build-deb/benchmarks/kibanu_benchdata_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
