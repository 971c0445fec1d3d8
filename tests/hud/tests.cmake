va_test_suite(hud SOURCES text_label_test.cpp overlay_lines_test.cpp LIBS SDL2_ttf::SDL2_ttf)
