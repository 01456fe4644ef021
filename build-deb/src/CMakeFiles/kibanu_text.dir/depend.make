# Empty dependencies file for kibanu_text.
# This may be replaced when dependencies are built.
