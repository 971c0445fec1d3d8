va_layer(flock SOURCES boid_flock.cpp USES geometry)
