# Empty dependencies file for probe_kibanu.
# This may be replaced when dependencies are built.
