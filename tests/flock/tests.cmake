# The flock's tests arrive with the flock.
