# Native (Linux) build: the portable code and its unit tests. Proves that no
# portable file reaches for <windows.h>.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB UNIT_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(unit_tests ${UNIT_TEST_SOURCES})
target_link_libraries(unit_tests PRIVATE umbrix_core GTest::gtest_main)
target_link_libraries(unit_tests PRIVATE vandric_core setup_core)
target_include_directories(unit_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
gtest_discover_tests(unit_tests)
