# Windows build: the programs and the Win32 tests (run under Wine by CTest).
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                        _WIN32_WINNT=0x0601 WINVER=0x0601 _WIN32_IE=0x0800)

if(MINGW)
    # Static runtime: the programs import only Windows system DLLs.
    add_link_options(-static -static-libgcc -static-libstdc++)
    set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
    add_compile_options(-Wall -Wextra -Wno-cast-function-type -Wno-missing-field-initializers)
elseif(MSVC)
    add_compile_options(/W4 /utf-8)
    # The .rc file carries the manifest; the linker must not add a second one.
    add_link_options(/MANIFEST:NO)
endif()

set(UMBRIX_WIN_LIBS comctl32 ole32 oleaut32 uuid shell32 user32 gdi32 advapi32 comdlg32 shlwapi version)

# The framework and the Win32 side of the subsystems, shared by the program
# and the Win32 tests.
set(UMBRIX_WIN_SOURCES
    src/framework/app.cpp
    src/framework/window.cpp
    src/framework/dialog.cpp
    src/framework/data_exchange.cpp
    src/framework/registry_store.cpp
    src/framework/win_text.cpp
    src/app/umbrix_app.cpp
    src/app/date_codec_win.cpp
    src/app/tips_file_win.cpp
    src/actions/system_requests_win.cpp
    src/actions/power_ops_win.cpp
    src/actions/pending_ops.cpp
    src/actions/display_ops_win.cpp
    src/actions/speech_win.cpp
    src/actions/dlg_confirmation.cpp
    src/actions/confirm_action.cpp
    src/actions/dlg_text_to_speech.cpp
    src/actions/dlg_define_text.cpp
    src/schedule/battery_alert.cpp
    src/schedule/daily_schedule_win.cpp
    src/schedule/screen_corner_win.cpp
    src/shell/main_frame.cpp
    src/shell/umbrix_view.cpp
    src/shell/launchers_win.cpp
    src/shell/hot_keys_win.cpp
    src/shell/tray_icon_win.cpp
    src/shell/settings_form_win.cpp
    src/dialogs/startup_windows.cpp
)

add_library(umbrix_win STATIC ${UMBRIX_WIN_SOURCES})
target_include_directories(umbrix_win PUBLIC src)
target_link_libraries(umbrix_win PUBLIC umbrix_core ${UMBRIX_WIN_LIBS})

# umbrix.rc includes one resource script per subsystem; windres's
# dependencies are not scanned, so name them.
file(GLOB UMBRIX_RC_PARTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/resources/*.rc
     ${CMAKE_SOURCE_DIR}/src/resources/*.h ${CMAKE_SOURCE_DIR}/src/resources/*.manifest)
set_source_files_properties(src/resources/umbrix.rc PROPERTIES OBJECT_DEPENDS "${UMBRIX_RC_PARTS}")

add_executable(Umbrix WIN32 src/app/main.cpp src/resources/umbrix.rc)
target_link_libraries(Umbrix PRIVATE umbrix_win)
if(MINGW)
    target_link_options(Umbrix PRIVATE -municode -mwindows)
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
    add_executable(win_tests ${WIN_TEST_SOURCES} src/resources/umbrix.rc)
    target_link_libraries(win_tests PRIVATE umbrix_win ${UMBRIX_GTEST})
    target_include_directories(win_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    # The tests start Umbrix.exe as a second process; keep it beside them.
    add_dependencies(win_tests Umbrix)
    gtest_discover_tests(win_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120 PROPERTIES TIMEOUT 120)
endif()
