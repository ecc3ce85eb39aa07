# Windows build: the programs and the Win32 tests (run under Wine by CTest).
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                        _WIN32_WINNT=0x0601 WINVER=0x0601 _WIN32_IE=0x0800)

if(MINGW)
    # Static runtime: the programs import only Windows system DLLs.
    add_link_options(-static -static-libgcc -static-libstdc++)
    set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
    add_compile_options(-Wall -Wextra -Wno-cast-function-type -Wno-missing-field-initializers)
    # CMake's default list also names ole32, oleaut32, shell32 and comdlg32:
    # a function left out of a delay-import library (or one not delay-loaded
    # by mistake) would quietly become a start-up import of its library.
    set(CMAKE_CXX_STANDARD_LIBRARIES "-lkernel32 -luser32 -lgdi32 -ladvapi32")
elseif(MSVC)
    add_compile_options(/W4 /utf-8)
    # The .rc file carries the manifest; the linker must not add a second one.
    add_link_options(/MANIFEST:NO)
endif()

# The project's version for the version resources of both programs.
configure_file(${CMAKE_SOURCE_DIR}/src/resources/version.h.in ${CMAKE_BINARY_DIR}/generated/umbrix_version.h @ONLY)
include_directories(${CMAKE_BINARY_DIR}/generated)

# Libraries that only some actions and windows need, or only the running
# instance after it knows it is one, are delay-loaded: a second start, which
# finds the running frame and sends it one message, loads none of them.
# framework/delay_load.cpp, linked into each executable, loads them from the
# system directory and turns a missing library or function into the
# caller's own failure.
set(UMBRIX_DELAY_LOADED comctl32 ole32 oleaut32 shell32 comdlg32 wininet rasapi32 winmm)
# The headers that declare their functions (for the GNU libraries' leaving
# out the functions with floating-point arguments).
set(UMBRIX_DELAY_HEADERS oleauto.h commctrl.h objbase.h combaseapi.h ole2.h shellapi.h shlobj.h commdlg.h
                         wininet.h ras.h mmsystem.h timeapi.h)
set(UMBRIX_WIN_LIBS uuid user32 gdi32 advapi32 shlwapi version)
if(MINGW)
    # GNU ld: GNU dlltool's delay-import libraries, thunks included. Clang
    # (with lld): lld's own /delayload, from llvm-dlltool's short import
    # libraries. Both made from a .def file read off the toolchain's import
    # library (cmake/delay_import_library.cmake).
    add_library(umbrix_delay_imports INTERFACE)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        set(delay_style llvm)
        find_program(UMBRIX_DLLTOOL NAMES llvm-dlltool llvm-dlltool-16 llvm-dlltool-15 llvm-dlltool-14 REQUIRED)
    else()
        set(delay_style gnu)
        find_program(UMBRIX_DLLTOOL NAMES x86_64-w64-mingw32-dlltool ${CMAKE_DLLTOOL} REQUIRED)
    endif()
    set(delay_dir ${CMAKE_BINARY_DIR}/delay-import)
    find_path(UMBRIX_WIN_INCLUDE oleauto.h REQUIRED)
    list(TRANSFORM UMBRIX_DELAY_HEADERS PREPEND ${UMBRIX_WIN_INCLUDE}/ OUTPUT_VARIABLE delay_headers)
    set(delay_libs "")
    foreach(lib ${UMBRIX_DELAY_LOADED})
        find_library(UMBRIX_IMPORT_LIB_${lib} NAMES ${lib} REQUIRED)
        set(delay_lib ${delay_dir}/lib${lib}_${delay_style}.a)
        add_custom_command(OUTPUT ${delay_lib}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${delay_dir}
            COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DDLLTOOL=${UMBRIX_DLLTOOL} -DSTYLE=${delay_style}
                    -DIMPORT_LIB=${UMBRIX_IMPORT_LIB_${lib}} -DDLL=${lib}.dll -DOUTPUT=${delay_lib}
                    "-DHEADERS=${delay_headers}"
                    -P ${CMAKE_SOURCE_DIR}/cmake/delay_import_library.cmake
            DEPENDS ${CMAKE_SOURCE_DIR}/cmake/delay_import_library.cmake ${UMBRIX_IMPORT_LIB_${lib}} ${delay_headers}
            VERBATIM)
        list(APPEND delay_libs ${delay_lib})
        if(delay_style STREQUAL "llvm")
            target_link_options(umbrix_delay_imports INTERFACE "LINKER:-Xlink=/delayload:${lib}.dll")
        endif()
    endforeach()
    add_custom_target(umbrix_delay_import_libs DEPENDS ${delay_libs})
    target_link_libraries(umbrix_delay_imports INTERFACE ${delay_libs})
    add_dependencies(umbrix_delay_imports umbrix_delay_import_libs)
elseif(MSVC)
    add_library(umbrix_delay_imports INTERFACE)
    target_link_libraries(umbrix_delay_imports INTERFACE ${UMBRIX_DELAY_LOADED} delayimp)
    foreach(lib ${UMBRIX_DELAY_LOADED})
        target_link_options(umbrix_delay_imports INTERFACE /DELAYLOAD:${lib}.dll)
    endforeach()
endif()
# Every executable that delay-loads must link framework/delay_load.cpp: without
# it the toolchain's default hooks would link silently, load by bare name
# and end the process on a missing function. That file defines this symbol.
if(MSVC)
    target_link_options(umbrix_delay_imports INTERFACE /INCLUDE:umbrix_delay_load_hooks)
else()
    target_link_options(umbrix_delay_imports INTERFACE LINKER:--require-defined=umbrix_delay_load_hooks)
endif()
list(APPEND UMBRIX_WIN_LIBS umbrix_delay_imports)

# The framework and the Win32 side of the subsystems, shared by the program
# and the Win32 tests.
set(UMBRIX_WIN_SOURCES
    src/framework/app.cpp
    src/framework/window.cpp
    src/framework/dialog.cpp
    src/framework/data_exchange.cpp
    src/framework/registry_store.cpp
    src/framework/ini_store.cpp
    src/framework/win_text.cpp
    src/framework/tray_icon_theme_win.cpp
    src/framework/system_library.cpp
    src/framework/dll_search.cpp
    src/framework/ole_dates.cpp
    src/app/umbrix_app.cpp
    src/app/start_mutex_win.cpp
    src/app/date_codec_win.cpp
    src/app/tips_file_win.cpp
    src/actions/system_requests_win.cpp
    src/actions/power_ops_win.cpp
    src/actions/system_ops_win.cpp
    src/actions/volume_changer_win.cpp
    src/actions/volume_win.cpp
    src/actions/display_ops_win.cpp
    src/actions/speech_win.cpp
    src/actions/dlg_confirmation.cpp
    src/actions/confirm_action.cpp
    src/actions/dlg_text_to_speech.cpp
    src/actions/dlg_define_text.cpp
    src/schedule/battery_alert.cpp
    src/schedule/daily_schedule_win.cpp
    src/schedule/screen_corner_win.cpp
    src/schedule/local_time_win.cpp
    src/schedule/dlg_daily.cpp
    src/schedule/dlg_cursor_tracer.cpp
    src/schedule/battery_win.cpp
    src/schedule/dlg_battery_alert.cpp
    src/schedule/dlg_hibernate_resume.cpp
    src/schedule/hibernate_wake_win.cpp
    src/schedule/idle_actions_win.cpp
    src/schedule/dlg_idle_capture.cpp
    src/schedule/dlg_duration_selector.cpp
    src/schedule/dlg_idle_actions.cpp
    src/shell/main_frame.cpp
    src/shell/umbrix_view.cpp
    src/shell/umbrix_view_timers.cpp
    src/shell/keep_awake_win.cpp
    src/shell/launchers_win.cpp
    src/shell/hot_keys_win.cpp
    src/shell/dlg_select_function.cpp
    src/shell/shortcut_file_win.cpp
    src/shell/tray_icon_win.cpp
    src/shell/settings_form_win.cpp
    src/dialogs/startup_windows.cpp
    src/dialogs/dlg_screen_saver.cpp
    src/dialogs/tip_dlg.cpp
    src/dialogs/app_look_win.cpp
    src/dialogs/dlg_select_gui.cpp
    src/dialogs/dlg_welcome.cpp
    src/dialogs/explorer1.cpp
    src/dialogs/dlg_help_videos.cpp
    src/dialogs/about_dlg.cpp
    src/shell/main_frame_secondary.cpp
    src/actions/web_pages_win.cpp
)

add_library(umbrix_win STATIC ${UMBRIX_WIN_SOURCES})
target_include_directories(umbrix_win PUBLIC src)
target_link_libraries(umbrix_win PUBLIC umbrix_core ${UMBRIX_WIN_LIBS})

# umbrix.rc includes one resource script per subsystem; windres's
# dependencies are not scanned, so name them.
file(GLOB UMBRIX_RC_PARTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/resources/*.rc
     ${CMAKE_SOURCE_DIR}/src/resources/*.h ${CMAKE_SOURCE_DIR}/src/resources/*.manifest)
set_source_files_properties(src/resources/umbrix.rc PROPERTIES OBJECT_DEPENDS "${UMBRIX_RC_PARTS}")

add_executable(Umbrix WIN32 src/app/main.cpp src/framework/delay_load.cpp src/resources/umbrix.rc)
target_link_libraries(Umbrix PRIVATE umbrix_win)
if(MINGW)
    # Outside Debug the programs leave out the debug sections the static
    # runtime brings along (about 450 KiB): Wine brings an image's sections
    # into memory whole, so every instance would carry them resident.
    set(UMBRIX_STRIP_PROGRAM $<$<NOT:$<CONFIG:Debug>>:-s>)
    target_link_options(Umbrix PRIVATE -municode -mwindows ${UMBRIX_STRIP_PROGRAM})
endif()
set_target_properties(Umbrix PROPERTIES OUTPUT_NAME Umbrix)

# Win32 tests: GoogleTest from the Debian source package, built with mingw.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
# On Windows with MSVC, point GTEST_SOURCE_DIR at a GoogleTest checkout or
# install a GTest package; without either the Win32 tests are not built.
set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
if(EXISTS ${GTEST_SOURCE_DIR}/CMakeLists.txt)
    add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    set(UMBRIX_GTEST gtest)
else()
    find_package(GTest CONFIG)
    if(GTest_FOUND)
        set(UMBRIX_GTEST GTest::gtest)
    endif()
endif()
include(GoogleTest)

file(GLOB WIN_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*.cpp)
if(WIN_TEST_SOURCES AND UMBRIX_GTEST)
    add_executable(win_tests ${WIN_TEST_SOURCES} src/framework/delay_load.cpp src/resources/umbrix.rc)
    target_link_libraries(win_tests PRIVATE umbrix_win ${UMBRIX_GTEST})
    target_include_directories(win_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    # The tests start Umbrix.exe as a second process; keep it beside them.
    add_dependencies(win_tests Umbrix)
    # One Wine process per test file, not per test case: starting a Wine
    # process costs more than most tests take. The suites of a file are
    # read from its TEST/TEST_F lines; editing a file reconfigures.
    foreach(test_source ${WIN_TEST_SOURCES})
        file(STRINGS ${test_source} test_lines REGEX "^[ \t]*TEST(_F|_P)?[ \t]*\\([ \t]*[A-Za-z0-9_]+[ \t]*,")
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${test_source})
        set(test_suites "")
        foreach(line ${test_lines})
            string(REGEX REPLACE "^[ \t]*TEST(_F|_P)?[ \t]*\\([ \t]*([A-Za-z0-9_]+).*" "\\2" suite "${line}")
            list(APPEND test_suites "${suite}.*")
        endforeach()
        if(NOT test_suites)
            continue()
        endif()
        list(REMOVE_DUPLICATES test_suites)
        list(JOIN test_suites ":" test_filter)
        get_filename_component(test_name ${test_source} NAME_WE)
        add_test(NAME win.${test_name} COMMAND win_tests --gtest_filter=${test_filter})
        set_tests_properties(win.${test_name} PROPERTIES TIMEOUT 300)
    endforeach()
    # A zone with daylight saving, whatever the machine's own zone (Wine reads TZ).
    set_tests_properties(win.wake_up_at_test PROPERTIES ENVIRONMENT TZ=Europe/Berlin)
    # Files that need Wine's or Xvfb's stand-ins: the zone from TZ, a voice
    # without a speech engine, exactly one screen. The Windows workflow
    # leaves them out (ctest -LE "wine|xvfb").
    set_tests_properties(win.wake_up_at_test win.speech_test PROPERTIES LABELS wine)
    set_tests_properties(win.schedule_checks_test PROPERTIES LABELS xvfb)
endif()

# Test tool of the end-to-end tests: sends a menu command to a running window.
add_executable(post_command tests/e2e/tools/post_command.cpp)
target_link_libraries(post_command PRIVATE user32)
if(MINGW)
    target_link_options(post_command PRIVATE -municode)
endif()
# And one that counts down the timers that count ticks, without waiting.
add_executable(post_timer tests/e2e/tools/post_timer.cpp)
target_link_libraries(post_timer PRIVATE user32)
if(MINGW)
    target_link_options(post_timer PRIVATE -municode)
endif()

# Test tool of the packaging tests: reads and writes shortcut files.
add_executable(shortcut_file tests/e2e/tools/shortcut_file.cpp)
target_link_libraries(shortcut_file PRIVATE ole32 uuid shell32)
if(MINGW)
    target_link_options(shortcut_file PRIVATE -municode)
endif()

# Helper of the tests: a stand-in screen saver.
add_executable(fake_saver WIN32 tests/helpers/fake_saver.cpp)
if(MINGW)
    target_link_options(fake_saver PRIVATE -municode -mwindows)
endif()
if(TARGET win_tests)
    add_dependencies(win_tests fake_saver)
endif()
# And one planted in a program's folder: it marks that it was loaded.
add_library(planted_dll SHARED tests/helpers/planted_dll.cpp)
set_target_properties(planted_dll PROPERTIES PREFIX "")
if(TARGET win_tests)
    add_dependencies(win_tests planted_dll)
endif()

# Vandric, the timed shut-down program. It shares the framework with Umbrix
# at build time only: the framework is compiled again here, so Vandric links
# nothing of Umbrix's own code.
set(VANDRIC_WIN_SOURCES
    src/framework/app.cpp
    src/framework/window.cpp
    src/framework/dialog.cpp
    src/framework/data_exchange.cpp
    src/framework/registry_store.cpp
    src/framework/ini_store.cpp
    src/framework/win_text.cpp
    src/framework/tray_icon_theme_win.cpp
    src/framework/path_text.cpp
    src/framework/system_library.cpp
    src/framework/dll_search.cpp
    src/framework/delay_load_failure.cpp
    src/framework/ini_text.cpp
    src/timer/vandric_requests_win.cpp
    src/timer/tray_icon_win.cpp
    src/timer/dlg_schedule.cpp
    src/timer/dlg_warning.cpp
    src/timer/vandric_cancel_win.cpp
    src/timer/vandric_dlg.cpp
    src/timer/vandric_app.cpp
)
add_library(vandric_win STATIC ${VANDRIC_WIN_SOURCES})
target_include_directories(vandric_win PUBLIC src)
# comctl32 and shell32 delay-loaded as in Umbrix: imported statically, they
# and what they load by bare name would come in before the program could
# limit the DLL search.
target_link_libraries(vandric_win PUBLIC vandric_core umbrix_delay_imports user32 gdi32 advapi32 shlwapi)

set_source_files_properties(src/resources/vandric.rc PROPERTIES OBJECT_DEPENDS
    "${CMAKE_SOURCE_DIR}/src/resources/vandric_resource.h;${CMAKE_SOURCE_DIR}/src/resources/vandric.manifest")

add_executable(Vandric WIN32 src/timer/vandric_main.cpp src/framework/delay_load.cpp src/resources/vandric.rc)
target_link_libraries(Vandric PRIVATE vandric_win)
if(MINGW)
    target_link_options(Vandric PRIVATE -municode -mwindows ${UMBRIX_STRIP_PROGRAM})
endif()
set_target_properties(Vandric PROPERTIES OUTPUT_NAME Vandric)

# Lets the end-to-end tests send Vandric the window messages other programs may send.
add_executable(post_message tests/e2e/post_message.cpp)
if(MINGW)
    target_link_options(post_message PRIVATE -municode)
endif()

# Vandric's Win32 tests: an executable of their own, with Vandric's resources.
file(GLOB VANDRIC_WIN_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win_vandric/*.cpp)
if(VANDRIC_WIN_TEST_SOURCES AND UMBRIX_GTEST)
    add_executable(vandric_win_tests ${VANDRIC_WIN_TEST_SOURCES} src/framework/delay_load.cpp src/resources/vandric.rc)
    target_link_libraries(vandric_win_tests PRIVATE vandric_win ${UMBRIX_GTEST})
    target_include_directories(vandric_win_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    gtest_discover_tests(vandric_win_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120 PROPERTIES TIMEOUT 120)
endif()


# The installer's helper: ends running instances, removes desktop shortcuts.
# A console program (nsExec hides its window); not part of the installed files.
add_executable(setup_helper src/setup/setup_helper_win.cpp src/setup/vandric_window_win.cpp src/framework/dll_search.cpp)
target_link_libraries(setup_helper PRIVATE setup_core user32 ole32 uuid shell32 bcrypt version)
if(MINGW)
    target_link_options(setup_helper PRIVATE -municode)
endif()

# Link checks, run by CTest (they only build): a program that delay-loads
# without the project's hooks, and, with GNU's delay thunk, a call of a
# delay-loaded function with a floating-point argument, must fail to link.
add_executable(link_delay_hooks_missing EXCLUDE_FROM_ALL tests/link/delay_hooks_missing.cpp)
target_link_libraries(link_delay_hooks_missing PRIVATE umbrix_delay_imports)
add_test(NAME link.delay_hooks_required
         COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --config $<CONFIG> --target link_delay_hooks_missing)
set_tests_properties(link.delay_hooks_required PROPERTIES LABELS link
    PASS_REGULAR_EXPRESSION "(required symbol|undefined symbol|unresolved external symbol).*umbrix_delay_load_hooks")
if(MINGW AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    add_executable(link_delay_float_argument EXCLUDE_FROM_ALL tests/link/delay_float_argument.cpp
                   src/framework/delay_load.cpp)
    target_link_libraries(link_delay_float_argument PRIVATE umbrix_win)
    add_test(NAME link.delay_float_argument_refused
             COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target link_delay_float_argument)
    set_tests_properties(link.delay_float_argument_refused PROPERTIES LABELS link
        PASS_REGULAR_EXPRESSION "undefined reference to .(__imp_)?VarR8Round")
endif()

# Test tool of the packaging tests: holds a file open, or poses as a window of ours.
add_executable(package_probe tests/package/tools/package_probe.cpp)
target_link_libraries(package_probe PRIVATE user32)
if(MINGW)
    target_link_options(package_probe PRIVATE -municode)
endif()
