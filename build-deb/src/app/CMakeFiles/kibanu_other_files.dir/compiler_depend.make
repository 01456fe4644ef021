# Empty custom commands generated dependencies file for kibanu_other_files.
# This may be replaced when dependencies are built.
