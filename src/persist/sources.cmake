va_layer(persist SOURCES game_state.cpp USES geometry)
