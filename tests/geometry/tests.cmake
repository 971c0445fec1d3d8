va_test_suite(geometry SOURCES geometry_test.cpp data_path_test.cpp circle_batch_test.cpp outline_batch_test.cpp)
