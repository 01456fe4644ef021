src/app/CMakeFiles/kibanu.dir/.rcc/qrc_icon.cpp.o: \
 /work/main/build-deb/src/app/.rcc/qrc_icon.cpp \
 /usr/include/stdc-predef.h
