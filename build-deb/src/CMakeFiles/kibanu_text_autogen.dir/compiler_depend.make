# Empty custom commands generated dependencies file for kibanu_text_autogen.
# This may be replaced when dependencies are built.
