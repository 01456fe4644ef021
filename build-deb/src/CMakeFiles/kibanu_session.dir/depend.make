# Empty dependencies file for kibanu_session.
# This may be replaced when dependencies are built.
