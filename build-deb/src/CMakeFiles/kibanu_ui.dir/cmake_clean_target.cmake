file(REMOVE_RECURSE
  "libkibanu_ui.a"
)
