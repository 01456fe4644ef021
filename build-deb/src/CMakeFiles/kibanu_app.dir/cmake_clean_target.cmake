file(REMOVE_RECURSE
  "libkibanu_app.a"
)
