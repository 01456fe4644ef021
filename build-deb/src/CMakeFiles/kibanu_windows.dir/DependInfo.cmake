
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/src/board/frmregedit.cpp" "src/CMakeFiles/kibanu_windows.dir/board/frmregedit.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/board/frmregedit.cpp.o.d"
  "/work/main/src/board/frmtodo.cpp" "src/CMakeFiles/kibanu_windows.dir/board/frmtodo.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/board/frmtodo.cpp.o.d"
  "/work/main/src/board/frmtodo_menus.cpp" "src/CMakeFiles/kibanu_windows.dir/board/frmtodo_menus.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/board/frmtodo_menus.cpp.o.d"
  "/work/main/src/board/frmtodo_moves.cpp" "src/CMakeFiles/kibanu_windows.dir/board/frmtodo_moves.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/board/frmtodo_moves.cpp.o.d"
  "/work/main/src/board/slotwidgets.cpp" "src/CMakeFiles/kibanu_windows.dir/board/slotwidgets.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/board/slotwidgets.cpp.o.d"
  "/work/main/build-deb/src/kibanu_windows_autogen/mocs_compilation.cpp" "src/CMakeFiles/kibanu_windows.dir/kibanu_windows_autogen/mocs_compilation.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/kibanu_windows_autogen/mocs_compilation.cpp.o.d"
  "/work/main/src/lists/frmdone.cpp" "src/CMakeFiles/kibanu_windows.dir/lists/frmdone.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/lists/frmdone.cpp.o.d"
  "/work/main/src/lists/frmtrash.cpp" "src/CMakeFiles/kibanu_windows.dir/lists/frmtrash.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/lists/frmtrash.cpp.o.d"
  "/work/main/src/phonebook/dlgtypeedit.cpp" "src/CMakeFiles/kibanu_windows.dir/phonebook/dlgtypeedit.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/phonebook/dlgtypeedit.cpp.o.d"
  "/work/main/src/phonebook/frmaddphone.cpp" "src/CMakeFiles/kibanu_windows.dir/phonebook/frmaddphone.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/phonebook/frmaddphone.cpp.o.d"
  "/work/main/src/phonebook/frmindexchange.cpp" "src/CMakeFiles/kibanu_windows.dir/phonebook/frmindexchange.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/phonebook/frmindexchange.cpp.o.d"
  "/work/main/src/phonebook/frmphonechange.cpp" "src/CMakeFiles/kibanu_windows.dir/phonebook/frmphonechange.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/phonebook/frmphonechange.cpp.o.d"
  "/work/main/src/phonebook/frmtel.cpp" "src/CMakeFiles/kibanu_windows.dir/phonebook/frmtel.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/phonebook/frmtel.cpp.o.d"
  "/work/main/src/phonebook/frmtel_dialogs.cpp" "src/CMakeFiles/kibanu_windows.dir/phonebook/frmtel_dialogs.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/phonebook/frmtel_dialogs.cpp.o.d"
  "/work/main/src/phonebook/frmtel_edit.cpp" "src/CMakeFiles/kibanu_windows.dir/phonebook/frmtel_edit.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/phonebook/frmtel_edit.cpp.o.d"
  "/work/main/src/phonebook/frmtel_search.cpp" "src/CMakeFiles/kibanu_windows.dir/phonebook/frmtel_search.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/phonebook/frmtel_search.cpp.o.d"
  "/work/main/src/phonebook/frmtypeedit.cpp" "src/CMakeFiles/kibanu_windows.dir/phonebook/frmtypeedit.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/phonebook/frmtypeedit.cpp.o.d"
  "/work/main/src/phonebook/refusals.cpp" "src/CMakeFiles/kibanu_windows.dir/phonebook/refusals.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/phonebook/refusals.cpp.o.d"
  "/work/main/src/phonebook/typebox.cpp" "src/CMakeFiles/kibanu_windows.dir/phonebook/typebox.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/phonebook/typebox.cpp.o.d"
  "/work/main/src/schedule/dlgschedule.cpp" "src/CMakeFiles/kibanu_windows.dir/schedule/dlgschedule.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/schedule/dlgschedule.cpp.o.d"
  "/work/main/src/schedule/frmday.cpp" "src/CMakeFiles/kibanu_windows.dir/schedule/frmday.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/schedule/frmday.cpp.o.d"
  "/work/main/src/schedule/frmreminder.cpp" "src/CMakeFiles/kibanu_windows.dir/schedule/frmreminder.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/schedule/frmreminder.cpp.o.d"
  "/work/main/src/schedule/frmschedule.cpp" "src/CMakeFiles/kibanu_windows.dir/schedule/frmschedule.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/schedule/frmschedule.cpp.o.d"
  "/work/main/src/shell/artwork.cpp" "src/CMakeFiles/kibanu_windows.dir/shell/artwork.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/shell/artwork.cpp.o.d"
  "/work/main/src/shell/dlgsync.cpp" "src/CMakeFiles/kibanu_windows.dir/shell/dlgsync.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/shell/dlgsync.cpp.o.d"
  "/work/main/src/shell/frmabout.cpp" "src/CMakeFiles/kibanu_windows.dir/shell/frmabout.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/shell/frmabout.cpp.o.d"
  "/work/main/src/shell/frmhelp.cpp" "src/CMakeFiles/kibanu_windows.dir/shell/frmhelp.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/shell/frmhelp.cpp.o.d"
  "/work/main/src/shell/frmstartup.cpp" "src/CMakeFiles/kibanu_windows.dir/shell/frmstartup.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/shell/frmstartup.cpp.o.d"
  "/work/main/src/shell/frmsyncrun.cpp" "src/CMakeFiles/kibanu_windows.dir/shell/frmsyncrun.cpp.o" "gcc" "src/CMakeFiles/kibanu_windows.dir/shell/frmsyncrun.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-deb/src/CMakeFiles/kibanu_ui.dir/DependInfo.cmake"
  "/work/main/build-deb/src/CMakeFiles/kibanu_models.dir/DependInfo.cmake"
  "/work/main/build-deb/src/CMakeFiles/kibanu_text.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
