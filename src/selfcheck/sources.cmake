va_layer(selfcheck SOURCES island_checks.cpp start_checks.cpp test_set.cpp USES geometry objects life)
