va_test_suite(flock SOURCES boid_flock_test.cpp)
