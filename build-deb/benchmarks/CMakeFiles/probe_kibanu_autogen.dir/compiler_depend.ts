# CMAKE generated file: DO NOT EDIT!
# Timestamp file for custom commands dependencies management for probe_kibanu_autogen.
