file(REMOVE_RECURSE
  "libkibanu_probe_exit.a"
)
