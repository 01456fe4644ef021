file(REMOVE_RECURSE
  "libkibanu_models.a"
)
