
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/src/board/commitanalysis.cpp" "src/CMakeFiles/kibanu_models.dir/board/commitanalysis.cpp.o" "gcc" "src/CMakeFiles/kibanu_models.dir/board/commitanalysis.cpp.o.d"
  "/work/main/src/board/todoboard.cpp" "src/CMakeFiles/kibanu_models.dir/board/todoboard.cpp.o" "gcc" "src/CMakeFiles/kibanu_models.dir/board/todoboard.cpp.o.d"
  "/work/main/src/board/todomoves.cpp" "src/CMakeFiles/kibanu_models.dir/board/todomoves.cpp.o" "gcc" "src/CMakeFiles/kibanu_models.dir/board/todomoves.cpp.o.d"
  "/work/main/build-deb/src/kibanu_models_autogen/mocs_compilation.cpp" "src/CMakeFiles/kibanu_models.dir/kibanu_models_autogen/mocs_compilation.cpp.o" "gcc" "src/CMakeFiles/kibanu_models.dir/kibanu_models_autogen/mocs_compilation.cpp.o.d"
  "/work/main/src/lists/donelist.cpp" "src/CMakeFiles/kibanu_models.dir/lists/donelist.cpp.o" "gcc" "src/CMakeFiles/kibanu_models.dir/lists/donelist.cpp.o.d"
  "/work/main/src/lists/shelflist.cpp" "src/CMakeFiles/kibanu_models.dir/lists/shelflist.cpp.o" "gcc" "src/CMakeFiles/kibanu_models.dir/lists/shelflist.cpp.o.d"
  "/work/main/src/lists/sortedlist.cpp" "src/CMakeFiles/kibanu_models.dir/lists/sortedlist.cpp.o" "gcc" "src/CMakeFiles/kibanu_models.dir/lists/sortedlist.cpp.o.d"
  "/work/main/src/phonebook/phonebook.cpp" "src/CMakeFiles/kibanu_models.dir/phonebook/phonebook.cpp.o" "gcc" "src/CMakeFiles/kibanu_models.dir/phonebook/phonebook.cpp.o.d"
  "/work/main/src/phonebook/phonecards.cpp" "src/CMakeFiles/kibanu_models.dir/phonebook/phonecards.cpp.o" "gcc" "src/CMakeFiles/kibanu_models.dir/phonebook/phonecards.cpp.o.d"
  "/work/main/src/phonebook/phonerules.cpp" "src/CMakeFiles/kibanu_models.dir/phonebook/phonerules.cpp.o" "gcc" "src/CMakeFiles/kibanu_models.dir/phonebook/phonerules.cpp.o.d"
  "/work/main/src/phonebook/phonetypes.cpp" "src/CMakeFiles/kibanu_models.dir/phonebook/phonetypes.cpp.o" "gcc" "src/CMakeFiles/kibanu_models.dir/phonebook/phonetypes.cpp.o.d"
  "/work/main/src/schedule/reminders.cpp" "src/CMakeFiles/kibanu_models.dir/schedule/reminders.cpp.o" "gcc" "src/CMakeFiles/kibanu_models.dir/schedule/reminders.cpp.o.d"
  "/work/main/src/schedule/schedulecalendar.cpp" "src/CMakeFiles/kibanu_models.dir/schedule/schedulecalendar.cpp.o" "gcc" "src/CMakeFiles/kibanu_models.dir/schedule/schedulecalendar.cpp.o.d"
  "/work/main/src/schedule/scheduletable.cpp" "src/CMakeFiles/kibanu_models.dir/schedule/scheduletable.cpp.o" "gcc" "src/CMakeFiles/kibanu_models.dir/schedule/scheduletable.cpp.o.d"
  "/work/main/src/sync/syncmerge.cpp" "src/CMakeFiles/kibanu_models.dir/sync/syncmerge.cpp.o" "gcc" "src/CMakeFiles/kibanu_models.dir/sync/syncmerge.cpp.o.d"
  "/work/main/src/sync/syncstate.cpp" "src/CMakeFiles/kibanu_models.dir/sync/syncstate.cpp.o" "gcc" "src/CMakeFiles/kibanu_models.dir/sync/syncstate.cpp.o.d"
  "/work/main/src/sync/vdirsync.cpp" "src/CMakeFiles/kibanu_models.dir/sync/vdirsync.cpp.o" "gcc" "src/CMakeFiles/kibanu_models.dir/sync/vdirsync.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-deb/src/CMakeFiles/kibanu_text.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
