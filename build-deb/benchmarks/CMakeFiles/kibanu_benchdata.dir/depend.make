# Empty dependencies file for kibanu_benchdata.
# This may be replaced when dependencies are built.
