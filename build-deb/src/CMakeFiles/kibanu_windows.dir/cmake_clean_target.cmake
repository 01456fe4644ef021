file(REMOVE_RECURSE
  "libkibanu_windows.a"
)
