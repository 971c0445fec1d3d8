# 300,000 random arguments against MPFR take half a minute under the sanitizers.
va_test_suite(geometry SOURCES geometry_test.cpp data_path_test.cpp circle_batch_test.cpp
    outline_batch_test.cpp exact_math_digest_test.cpp LIBS va_math_digest PROPERTIES TIMEOUT 300)
# The maths module against GNU MPFR: native builds only.
if(NOT WIN32)
    target_sources(va_tests_geometry PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/geometry/exact_math_test.cpp)
    target_link_libraries(va_tests_geometry PRIVATE ${VA_MPFR} ${VA_GMP})
endif()
