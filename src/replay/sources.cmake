va_layer(replay SOURCES recording_reader.cpp recording_writer.cpp state_digest.cpp USES geometry
             objects weapons flock life portal)
