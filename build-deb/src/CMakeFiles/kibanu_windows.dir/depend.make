# Empty dependencies file for kibanu_windows.
# This may be replaced when dependencies are built.
