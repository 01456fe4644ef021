# Empty custom commands generated dependencies file for probe_bare_autogen.
# This may be replaced when dependencies are built.
