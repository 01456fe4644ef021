
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/build-deb/src/kibanu_text_autogen/mocs_compilation.cpp" "src/CMakeFiles/kibanu_text.dir/kibanu_text_autogen/mocs_compilation.cpp.o" "gcc" "src/CMakeFiles/kibanu_text.dir/kibanu_text_autogen/mocs_compilation.cpp.o.d"
  "/work/main/src/text/backups.cpp" "src/CMakeFiles/kibanu_text.dir/text/backups.cpp.o" "gcc" "src/CMakeFiles/kibanu_text.dir/text/backups.cpp.o.d"
  "/work/main/src/text/classifier.cpp" "src/CMakeFiles/kibanu_text.dir/text/classifier.cpp.o" "gcc" "src/CMakeFiles/kibanu_text.dir/text/classifier.cpp.o.d"
  "/work/main/src/text/conflictcopies.cpp" "src/CMakeFiles/kibanu_text.dir/text/conflictcopies.cpp.o" "gcc" "src/CMakeFiles/kibanu_text.dir/text/conflictcopies.cpp.o.d"
  "/work/main/src/text/cp932.cpp" "src/CMakeFiles/kibanu_text.dir/text/cp932.cpp.o" "gcc" "src/CMakeFiles/kibanu_text.dir/text/cp932.cpp.o.d"
  "/work/main/src/text/datafolder.cpp" "src/CMakeFiles/kibanu_text.dir/text/datafolder.cpp.o" "gcc" "src/CMakeFiles/kibanu_text.dir/text/datafolder.cpp.o.d"
  "/work/main/src/text/fields.cpp" "src/CMakeFiles/kibanu_text.dir/text/fields.cpp.o" "gcc" "src/CMakeFiles/kibanu_text.dir/text/fields.cpp.o.d"
  "/work/main/src/text/fileops.cpp" "src/CMakeFiles/kibanu_text.dir/text/fileops.cpp.o" "gcc" "src/CMakeFiles/kibanu_text.dir/text/fileops.cpp.o.d"
  "/work/main/src/text/jdate.cpp" "src/CMakeFiles/kibanu_text.dir/text/jdate.cpp.o" "gcc" "src/CMakeFiles/kibanu_text.dir/text/jdate.cpp.o.d"
  "/work/main/src/text/narrow.cpp" "src/CMakeFiles/kibanu_text.dir/text/narrow.cpp.o" "gcc" "src/CMakeFiles/kibanu_text.dir/text/narrow.cpp.o.d"
  "/work/main/src/text/profile.cpp" "src/CMakeFiles/kibanu_text.dir/text/profile.cpp.o" "gcc" "src/CMakeFiles/kibanu_text.dir/text/profile.cpp.o.d"
  "/work/main/src/text/readahead.cpp" "src/CMakeFiles/kibanu_text.dir/text/readahead.cpp.o" "gcc" "src/CMakeFiles/kibanu_text.dir/text/readahead.cpp.o.d"
  "/work/main/src/text/romaji.cpp" "src/CMakeFiles/kibanu_text.dir/text/romaji.cpp.o" "gcc" "src/CMakeFiles/kibanu_text.dir/text/romaji.cpp.o.d"
  "/work/main/src/text/textdecode.cpp" "src/CMakeFiles/kibanu_text.dir/text/textdecode.cpp.o" "gcc" "src/CMakeFiles/kibanu_text.dir/text/textdecode.cpp.o.d"
  "/work/main/src/text/textfile.cpp" "src/CMakeFiles/kibanu_text.dir/text/textfile.cpp.o" "gcc" "src/CMakeFiles/kibanu_text.dir/text/textfile.cpp.o.d"
  "/work/main/src/text/typedtext.cpp" "src/CMakeFiles/kibanu_text.dir/text/typedtext.cpp.o" "gcc" "src/CMakeFiles/kibanu_text.dir/text/typedtext.cpp.o.d"
  "/work/main/src/text/vcard.cpp" "src/CMakeFiles/kibanu_text.dir/text/vcard.cpp.o" "gcc" "src/CMakeFiles/kibanu_text.dir/text/vcard.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
