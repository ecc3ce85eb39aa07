# Native libFuzzer build (Clang only): one executable per tests/fuzz/*_fuzz.cpp,
# with the portable libraries instrumented the same way. Built by
# scripts/fuzz.sh into a tree of its own, never beside the unit tests.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "The fuzz targets need Clang (CXX=clang++)")
endif()

# Undefined behaviour aborts instead of printing and going on, so the fuzzer
# saves the input that caused it.
set(UMBRIX_FUZZ_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g)
foreach(core umbrix_core vandric_core)
    target_compile_options(${core} PRIVATE ${UMBRIX_FUZZ_SANITIZERS} -fsanitize=fuzzer-no-link)
endforeach()

file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
foreach(source ${FUZZ_SOURCES})
    get_filename_component(target ${source} NAME_WE)
    add_executable(${target} ${source})
    # Vandric's portable code shares names with Umbrix's; each side alone.
    if(target STREQUAL "vandric_fuzz")
        target_link_libraries(${target} PRIVATE vandric_core)
    else()
        target_link_libraries(${target} PRIVATE umbrix_core)
    endif()
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests/fuzz ${CMAKE_SOURCE_DIR}/tests)
    target_compile_options(${target} PRIVATE -Wall -Wextra ${UMBRIX_FUZZ_SANITIZERS} -fsanitize=fuzzer)
    target_link_options(${target} PRIVATE ${UMBRIX_FUZZ_SANITIZERS} -fsanitize=fuzzer)
endforeach()
