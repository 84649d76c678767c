# Tests that run under Wine: the window layer against the real API, and the
# real program driven end to end on a virtual X display.
enable_testing()
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(SASHLET_WINE_ARCH win64)
else()
    set(SASHLET_WINE_ARCH win32)
endif()
set(SASHLET_WINE_DIR ${CMAKE_BINARY_DIR}/wine)
set(unit_prefix ${SASHLET_WINE_DIR}/unit)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine.sh;${unit_prefix};${SASHLET_WINE_ARCH})

# The Debian doctest header lives among the Linux headers, which must not leak
# into a Windows build: copy it into a folder of its own.
find_file(DOCTEST_HEADER doctest/doctest.h PATHS /usr/include /usr/local/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(DOCTEST_INCLUDE_DIR ${CMAKE_BINARY_DIR}/doctest-include)
configure_file(${DOCTEST_HEADER} ${DOCTEST_INCLUDE_DIR}/doctest/doctest.h COPYONLY)
set(test_link_options -static -static-libgcc -static-libstdc++)

# Helper programs the tests start: windows to push around, and a probe that
# reports what another process's windows look like.
add_executable(testwin WIN32 tests/tools/testwin.cpp tests/tools/testwin_desktop.cpp tests/tools/testwin_documents.cpp)
target_link_libraries(testwin PRIVATE user32 gdi32 shell32)
target_link_options(testwin PRIVATE ${test_link_options})
add_executable(probe tests/tools/probe.cpp tests/tools/probe_processes.cpp tests/tools/probe_soak.cpp)
target_link_libraries(probe PRIVATE user32 gdi32 psapi)
target_include_directories(probe PRIVATE res)
target_link_options(probe PRIVATE ${test_link_options})

# A library planted beside the tests, which a narrowed library search must not find.
add_library(planted SHARED tests/tools/planted.cpp)
set_target_properties(planted PROPERTIES PREFIX "")
target_link_options(planted PRIVATE ${test_link_options})

add_executable(sashlet_win32_tests
    tests/win32/main.cpp
    tests/win32/options_page_tests.cpp
    res/sashlet.rc
    tests/win32/fault_tests.cpp
    tests/win32/ignore_list_store_tests.cpp
    tests/win32/process_image_path_tests.cpp
    tests/win32/resource_tests.cpp
    tests/win32/settings_store_tests.cpp
    tests/win32/wipe_engine_tests.cpp
    tests/win32/busy_desktop_tests.cpp
    tests/win32/todays_desktop_tests.cpp
)
target_include_directories(sashlet_win32_tests PRIVATE ${DOCTEST_INCLUDE_DIR} res tests/common)
target_compile_options(sashlet_win32_tests PRIVATE -finput-charset=UTF-8 -fexec-charset=CP932)
# The MinGW threads model here has no std::mutex; the tests run on one thread.
target_compile_definitions(sashlet_win32_tests PRIVATE DOCTEST_CONFIG_NO_MULTITHREADING)
target_link_libraries(sashlet_win32_tests PRIVATE sashlet_win32 comctl32)
add_dependencies(sashlet_win32_tests sashlet_images planted)
target_link_options(sashlet_win32_tests PRIVATE ${test_link_options})
add_test(NAME win32 COMMAND sashlet_win32_tests)

# The native build's unit tests and fuzzers join this one test run.
if(SASHLET_NATIVE_DIR)
    add_test(NAME native COMMAND ${SASHLET_NATIVE_DIR}/sashlet_native_tests)
    foreach(fuzzer ignore_list settings moved_file)
        set(work ${CMAKE_BINARY_DIR}/fuzz-work/${fuzzer})
        file(MAKE_DIRECTORY ${work})
        # New inputs go to the work folder; the checked-in corpus is only read.
        add_test(NAME fuzz.${fuzzer}
            COMMAND ${SASHLET_NATIVE_DIR}/fuzz_${fuzzer} -max_total_time=25 -rss_limit_mb=2048
                    -artifact_prefix=${work}/ ${work} ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${fuzzer})
    endforeach()
endif()

if(NOT SASHLET_SHIPPED_EXE)
    set(SASHLET_SHIPPED_EXE $<TARGET_FILE:Sashlet>)
endif()
add_test(NAME executable
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/build/check_executable.py ${SASHLET_SHIPPED_EXE} ${PROJECT_VERSION})

add_test(NAME layers
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/build/check_layers.py ${CMAKE_SOURCE_DIR})

add_test(NAME docs
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/build/check_docs.py ${CMAKE_SOURCE_DIR})

# The installer's decisions, against stand-ins for apt-get and dpkg.
add_test(NAME installer
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/build/check_installer.py ${CMAKE_SOURCE_DIR})

set(e2e_environment "SASHLET_EXE=$<TARGET_FILE:Sashlet>;SASHLET_PROBE=$<TARGET_FILE:probe>;SASHLET_TESTWIN=$<TARGET_FILE:testwin>;SASHLET_WINE_ARCH=${SASHLET_WINE_ARCH};SASHLET_WINE_DIR=${SASHLET_WINE_DIR};SASHLET_ARTIFACTS=${CMAKE_BINARY_DIR}/artifacts")

# End to end: each module starts its own X display and Wine prefix. A module
# whose every test was skipped (what it needs cannot run here) exits with 77,
# which CTest reports as skipped, never as passed.
file(GLOB e2e_modules RELATIVE ${CMAKE_SOURCE_DIR}/tests/e2e ${CMAKE_SOURCE_DIR}/tests/e2e/test_*.py)
foreach(module ${e2e_modules})
    string(REGEX REPLACE "\\.py$" "" name ${module})
    add_test(NAME e2e.${name}
        COMMAND ${Python3_EXECUTABLE} run_module.py ${name}
        WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}/tests/e2e)
    set_tests_properties(e2e.${name} PROPERTIES
        TIMEOUT 1500
        SKIP_RETURN_CODE 77
        ENVIRONMENT "${e2e_environment};SASHLET_EXE32=${SASHLET_SHIPPED_EXE};SASHLET_WIN64_DIR=${SASHLET_WIN64_DIR}")
endforeach()

# Bounded runs of random desktops, on one monitor and on two; the seed
# changes with every run and is printed. A machine that cannot show two
# monitors reports the second skipped.
add_test(NAME e2e.trials
    COMMAND ${Python3_EXECUTABLE} trials.py --count 40 --one-monitor
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}/tests/e2e)
add_test(NAME e2e.trials_two_monitors
    COMMAND ${Python3_EXECUTABLE} trials.py --count 10 --two-monitors
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}/tests/e2e)
set_tests_properties(e2e.trials e2e.trials_two_monitors PROPERTIES TIMEOUT 1500 SKIP_RETURN_CODE 77
    ENVIRONMENT "${e2e_environment}")

# The same lookups in a prefix that reports the Windows 9x family, so the
# process-snapshot route runs for real.
set(win98_prefix ${SASHLET_WINE_DIR}/win98)
add_test(NAME win98.prefix
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine.sh ${win98_prefix} ${SASHLET_WINE_ARCH}
            reg add "HKCU\\Software\\Wine" /v Version /d win98 /f)
set_tests_properties(win98.prefix PROPERTIES FIXTURES_SETUP win98)
add_test(NAME win98.lookup
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine.sh ${win98_prefix} ${SASHLET_WINE_ARCH}
            $<TARGET_FILE:sashlet_win32_tests> "-tc=*route*,*own window*,*no longer exists*")
set_tests_properties(win98.lookup PROPERTIES FIXTURES_REQUIRED win98 ENVIRONMENT SASHLET_EXPECT_PLATFORM=1)
set_tests_properties(win32 PROPERTIES ENVIRONMENT SASHLET_EXPECT_PLATFORM=2)

# Benchmarks: built with the tests, run by scripts/bench.sh, not timed by CTest.
add_executable(wipe_bench bench/wipe_bench.cpp)
target_include_directories(wipe_bench PRIVATE tests/win32)
target_link_libraries(wipe_bench PRIVATE sashlet_win32)
target_link_options(wipe_bench PRIVATE ${test_link_options})
add_executable(minimal_window WIN32 bench/minimal_window.cpp bench/minimal_window.rc)
set_source_files_properties(bench/minimal_window.rc PROPERTIES OBJECT_DEPENDS ${generated_dir}/sashlet.manifest)
target_link_options(minimal_window PRIVATE ${test_link_options})
