benchmarks/CMakeFiles/kibanu_benchdata_write.dir/kibanu_benchdata_write_autogen/mocs_compilation.cpp.o: \
 /work/main/build-deb/benchmarks/kibanu_benchdata_write_autogen/mocs_compilation.cpp \
 /usr/include/stdc-predef.h
