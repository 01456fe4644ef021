file(REMOVE_RECURSE
  "libkibanu_text.a"
)
