# Empty dependencies file for probe_bare.
# This may be replaced when dependencies are built.
