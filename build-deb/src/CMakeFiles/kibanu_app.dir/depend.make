# Empty dependencies file for kibanu_app.
# This may be replaced when dependencies are built.
