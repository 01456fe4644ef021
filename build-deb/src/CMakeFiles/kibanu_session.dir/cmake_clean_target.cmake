file(REMOVE_RECURSE
  "libkibanu_session.a"
)
