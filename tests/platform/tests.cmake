va_test_suite(platform SOURCES display_options_test.cpp work_folder_test.cpp)
