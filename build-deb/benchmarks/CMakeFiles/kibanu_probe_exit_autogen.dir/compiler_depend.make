# Empty custom commands generated dependencies file for kibanu_probe_exit_autogen.
# This may be replaced when dependencies are built.
