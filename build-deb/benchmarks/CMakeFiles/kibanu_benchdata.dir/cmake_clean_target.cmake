file(REMOVE_RECURSE
  "libkibanu_benchdata.a"
)
