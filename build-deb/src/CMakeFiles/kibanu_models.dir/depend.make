# Empty dependencies file for kibanu_models.
# This may be replaced when dependencies are built.
