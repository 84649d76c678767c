# The Windows program, its resources, and the tests that run under Wine.
# Sources are UTF-8; the Japanese texts must reach the "A" functions as code page 932.
if(MSVC)
    set(win_flags /W4 /WX /GR- /EHs-c- /source-charset:utf-8 /execution-charset:.932)
    set(static_runtime "")
    string(REPLACE "/EHsc" "" CMAKE_CXX_FLAGS "${CMAKE_CXX_FLAGS}")
else()
    # For size rather than the release build's -O3: every loop runs over a
    # handful of monitors or a few hundred windows, next to a system call
    # each, so unrolling and inlining cost kilobytes and gain nothing.
    # No -fdata-sections: MinGW's compiler then stores zero-initialised
    # objects, the program's whole state among them, in the image rather than
    # leaving them to be zeroed at load.
    set(win_flags -Wall -Wextra -Werror -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
        -ffunction-sections -finput-charset=UTF-8 -fexec-charset=CP932 -Os)
    set(static_runtime -static -static-libgcc -static-libstdc++ -s -Wl,--gc-sections)
endif()
target_compile_options(sashlet_core PRIVATE ${win_flags})
target_compile_definitions(sashlet_core PUBLIC STRICT WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0501 WINVER=0x0501)

# The window layer, shared by the program and the tests that drive it.
add_library(sashlet_win32 STATIC
    src/app/app_state.cpp
    src/app/bar_window.cpp
    src/options/ignore_page.cpp
    src/options/keys_page.cpp
    src/options/options_page.cpp
    src/options/options_sheet.cpp
    src/options/sheet_libraries.cpp
    src/options/ui_texts.cpp
    src/wipe/wipe_session.cpp
    src/wipe/drag_hover.cpp
    src/wipe/front_given_back.cpp
    src/wipe/rest_on_bar.cpp
    src/wipe/wipe_engine.cpp
    src/wipe/moved_file_store.cpp
    src/bars/bar_layout.cpp
    src/bars/bar_pointer.cpp
    src/bars/edge_keys.cpp
    src/desktop/cloaking.cpp
    src/desktop/full_screen.cpp
    src/desktop/monitors.cpp
    src/desktop/shell_windows.cpp
    src/processes/ignore_query.cpp
    src/processes/process_image_path.cpp
    src/processes/running_copies.cpp
    src/processes/system_library.cpp
    src/config/config_files.cpp
    src/config/ignore_list_store.cpp
    src/config/settings_store.cpp
    src/config/whole_file.cpp
)
target_compile_options(sashlet_win32 PRIVATE ${win_flags})
# The common controls and dialogs are loaded when the options sheet first opens.
target_link_libraries(sashlet_win32 PUBLIC sashlet_core user32 gdi32)

# Cursors and the icon are drawn by a script at build time.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(image_dir ${CMAKE_BINARY_DIR}/images)
set(images ${image_dir}/push_right.cur ${image_dir}/push_left.cur ${image_dir}/push_down.cur
           ${image_dir}/push_up.cur ${image_dir}/sashlet.ico)
add_custom_command(OUTPUT ${images}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/scripts/make_images.py ${image_dir}
    DEPENDS ${CMAKE_SOURCE_DIR}/scripts/make_images.py
    COMMENT "Drawing cursors and icon")
add_custom_target(sashlet_images DEPENDS ${images})

# The version is written once, in project(); the version block, the about
# texts and the manifest take it from these generated files.
set(generated_dir ${CMAKE_BINARY_DIR}/generated)
configure_file(res/version.h.in ${generated_dir}/version.h @ONLY)
configure_file(res/sashlet.manifest.in ${generated_dir}/sashlet.manifest @ONLY)

enable_language(RC)
if(MSVC)
    set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} /c65001 /I ${image_dir} /I ${generated_dir} /I ${CMAKE_SOURCE_DIR}/res")
else()
    set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001 -I ${image_dir} -I ${generated_dir} -I ${CMAKE_SOURCE_DIR}/res")
endif()
set(rc_files res/sashlet.rc)
set_source_files_properties(${rc_files} PROPERTIES
    OBJECT_DEPENDS "${images};${CMAKE_SOURCE_DIR}/res/resource.h;${generated_dir}/version.h;${generated_dir}/sashlet.manifest;${CMAKE_SOURCE_DIR}/res/sashlet_en.rc;${CMAKE_SOURCE_DIR}/res/sashlet_ja.rc")

add_executable(Sashlet WIN32 src/app/main.cpp ${rc_files})
add_dependencies(Sashlet sashlet_images)
target_compile_options(Sashlet PRIVATE ${win_flags})
target_link_libraries(Sashlet PRIVATE sashlet_win32)
# Only system DLLs may be imported: the MinGW runtime is linked in.
target_link_options(Sashlet PRIVATE ${static_runtime})

# The release: `cmake --install` or the CPack zip with the program, the guide and the licence.
install(TARGETS Sashlet RUNTIME DESTINATION .)
install(FILES LICENSE README.md CHANGELOG.md DESTINATION .)
install(FILES docs/user-guide.md DESTINATION docs)
install(DIRECTORY docs/images DESTINATION docs)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Sashlet)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME win32)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)

if(SASHLET_BUILD_TESTS)
    include(cmake/wine_tests.cmake)
endif()
