# Empty dependencies file for kibanu_probe_exit.
# This may be replaced when dependencies are built.
