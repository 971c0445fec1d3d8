# The flock arrives with its own change.
