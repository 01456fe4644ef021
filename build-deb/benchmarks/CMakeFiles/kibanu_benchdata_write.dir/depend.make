# Empty dependencies file for kibanu_benchdata_write.
# This may be replaced when dependencies are built.
