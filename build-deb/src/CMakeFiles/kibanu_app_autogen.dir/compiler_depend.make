# Empty custom commands generated dependencies file for kibanu_app_autogen.
# This may be replaced when dependencies are built.
