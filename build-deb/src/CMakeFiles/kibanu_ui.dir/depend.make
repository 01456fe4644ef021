# Empty dependencies file for kibanu_ui.
# This may be replaced when dependencies are built.
