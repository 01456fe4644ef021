# Empty custom commands generated dependencies file for kibanu_benchdata_write_autogen.
# This may be replaced when dependencies are built.
