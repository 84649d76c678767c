# Native build: unit tests of the window-free logic, optionally with sanitizers.
option(SASHLET_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" ON)
if(SASHLET_SANITIZE)
    set(sanitize -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_compile_options(sashlet_core PUBLIC ${sanitize})
    target_link_options(sashlet_core PUBLIC ${sanitize})
endif()
target_compile_options(sashlet_core PRIVATE -Wall -Wextra -Werror)

find_path(DOCTEST_INCLUDE_DIR doctest/doctest.h REQUIRED)
enable_testing()
add_executable(sashlet_native_tests
    tests/native/main.cpp
    tests/native/bar_geometry_tests.cpp
    tests/native/push_geometry_tests.cpp
    tests/native/monitor_rules_tests.cpp
    tests/native/ignore_list_tests.cpp
    tests/native/moved_windows_tests.cpp
    tests/native/moved_file_tests.cpp
    tests/native/process_verdicts_tests.cpp
    tests/native/wipe_rules_tests.cpp
    tests/native/settings_tests.cpp
)
target_include_directories(sashlet_native_tests PRIVATE ${DOCTEST_INCLUDE_DIR} tests/common)
target_link_libraries(sashlet_native_tests PRIVATE sashlet_core)
add_test(NAME native COMMAND sashlet_native_tests)

# Fuzzers (clang's libFuzzer) over the file readers, run for a bounded time by the tests.
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    foreach(target fuzz_ignore_list fuzz_settings fuzz_moved_file)
        add_executable(${target} tests/fuzz/${target}.cpp
            src/config/ignore_list.cpp src/config/settings.cpp src/config/bar_look.cpp src/config/hot_key.cpp
            src/wipe/moved_file.cpp)
        target_include_directories(${target} PRIVATE src)
        target_compile_options(${target} PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
        target_link_options(${target} PRIVATE -fsanitize=fuzzer,address,undefined)
    endforeach()
endif()
