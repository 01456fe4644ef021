# Empty custom commands generated dependencies file for kibanu_layers.
# This may be replaced when dependencies are built.
