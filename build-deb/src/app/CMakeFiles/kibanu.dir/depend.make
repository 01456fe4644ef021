# Empty dependencies file for kibanu.
# This may be replaced when dependencies are built.
