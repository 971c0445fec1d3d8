va_test_suite(platform SOURCES display_options_test.cpp settings_file_test.cpp touch_controls_test.cpp
                               work_folder_test.cpp)
