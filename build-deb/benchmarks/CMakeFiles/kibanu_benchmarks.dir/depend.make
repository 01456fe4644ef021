# Empty dependencies file for kibanu_benchmarks.
# This may be replaced when dependencies are built.
