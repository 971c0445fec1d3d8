va_layer(replay SOURCES recording_reader.cpp recording_words.cpp recording_writer.cpp state_digest.cpp USES geometry platform
             objects weapons flock life portal)
