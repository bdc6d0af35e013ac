# MinGW build: tivora.exe, the win tests (GoogleTest under Wine) and the
# end-to-end tests that drive the real exe.
enable_language(RC)

set(WIN_DEFINES WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0500
    __USE_MINGW_ANSI_STDIO=0 NOMINMAX STRICT)
# Small and self-contained: no exceptions, no RTTI, no unwind tables, and
# every unused function dropped at link time. Not data sections: with them
# MinGW's GCC puts zero-filled statics (the path and text buffers) into .data,
# where they take their size in the file, instead of into .bss.
set(WIN_SIZE_FLAGS -Os -ffunction-sections -fno-exceptions -fno-rtti
    -fno-asynchronous-unwind-tables -fno-threadsafe-statics)
set(WIN_LIBS comctl32 comdlg32 winmm gdi32 user32 advapi32 kernel32)

file(GLOB SHELL_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/app/*.cpp ${CMAKE_SOURCE_DIR}/base/*.cpp ${CMAKE_SOURCE_DIR}/face/*.cpp
  ${CMAKE_SOURCE_DIR}/settings/*.cpp ${CMAKE_SOURCE_DIR}/timer/*.cpp)
list(REMOVE_ITEM SHELL_SOURCES ${CMAKE_SOURCE_DIR}/app/WinMain.cpp
     ${CMAKE_SOURCE_DIR}/app/ProgramStart.cpp)

add_library(tivora_core STATIC ${RULE_SOURCES} ${SHELL_SOURCES})
target_include_directories(tivora_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_definitions(tivora_core PUBLIC ${WIN_DEFINES})
target_compile_options(tivora_core PRIVATE ${TIVORA_TEXT_FLAGS} ${WIN_SIZE_FLAGS} -Wall -Wextra)
target_link_libraries(tivora_core PUBLIC ${WIN_LIBS})

# The icon is drawn by a committed script; windres takes the .rc in UTF-8.
set(TIVORA_RC ${CMAKE_SOURCE_DIR}/res/tivora.rc)
set_source_files_properties(${TIVORA_RC} PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/res/tivora.ico;${CMAKE_SOURCE_DIR}/res/tivora.manifest;${CMAKE_SOURCE_DIR}/res/resource.h;${CMAKE_SOURCE_DIR}/res/Version.h;${CMAKE_SOURCE_DIR}/res/lang-ja.rc;${CMAKE_SOURCE_DIR}/res/lang-en.rc")
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001 -I${CMAKE_SOURCE_DIR}/res")

add_executable(tivora WIN32 ${CMAKE_SOURCE_DIR}/app/WinMain.cpp
               ${CMAKE_SOURCE_DIR}/app/ProgramStart.cpp ${TIVORA_RC})
target_compile_options(tivora PRIVATE ${TIVORA_TEXT_FLAGS} ${WIN_SIZE_FLAGS})
# The common dialogs, the common controls and the sound serve the dialogs,
# the tooltip and the alarm only. Imported the ordinary way they are loaded
# at start with all they pull in (comdlg32 brings shell32, ole32 and the
# printing stack), half again the clock's resident memory; linked to load
# on their first call they cost nothing until then.
include(${CMAKE_CURRENT_LIST_DIR}/DelayImports.cmake)
# Exactly the functions that the program calls: each listed stub is kept.
tivora_delay_import(TIVORA_DELAY_LIBS comdlg32.dll ChooseColorW 4 ChooseFontW 4 GetOpenFileNameW 4)
tivora_delay_import(TIVORA_DELAY_LIBS comctl32.dll InitCommonControls 0)
tivora_delay_import(TIVORA_DELAY_LIBS winmm.dll sndPlaySoundW 8)
add_dependencies(tivora ${TIVORA_DELAY_TARGETS})
# After the program's code and before the ordinary import libraries.
target_link_libraries(tivora PRIVATE tivora_core ${TIVORA_DELAY_LIBS})
# The exe starts in app/ProgramStart.cpp, without the runtime's start-up code.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  set(TIVORA_ENTRY _ProgramStart@0)
else()
  set(TIVORA_ENTRY ProgramStart)
endif()
target_link_options(tivora PRIVATE -static -s -Wl,--gc-sections -mwindows -nostartfiles
                    -Wl,-e,${TIVORA_ENTRY})
add_custom_command(TARGET tivora POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E echo "tivora.exe size:"
  COMMAND stat -c "%s bytes" $<TARGET_FILE:tivora>)

# The footprint benchmark's reference program and tick counter, and the soak
# run's driver, built only when asked for.
foreach(tool reference tickcalls soak)
  if(EXISTS ${CMAKE_SOURCE_DIR}/bench/${tool}/CMakeLists.txt)
    add_subdirectory(bench/${tool})
  endif()
endforeach()

# The faces' drawing benchmark (bench/faces), built only when asked for.
if(EXISTS ${CMAKE_SOURCE_DIR}/bench/faces/CMakeLists.txt)
  add_subdirectory(bench/faces)
endif()

option(TIVORA_TESTS "Build the win and e2e tests" ON)

# The product's own checks: a 32-bit GUI program, small, importing only the
# system DLLs.
if(TIVORA_RELEASE_EXE)
  add_test(NAME win.release_exe_is_small_pe32_gui
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/release/check-exe.sh ${TIVORA_RELEASE_EXE})
  set_tests_properties(win.release_exe_is_small_pe32_gui PROPERTIES LABELS win)
endif()

if(NOT TIVORA_TESTS)
  return()
endif()

# GoogleTest from Debian's sources, built with the same cross compiler.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

file(GLOB WIN_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*.cpp)
add_executable(win_tests ${WIN_TESTS} ${TIVORA_RC})
target_compile_options(win_tests PRIVATE ${TIVORA_TEXT_FLAGS})
target_link_libraries(win_tests PRIVATE tivora_core GTest::gtest shlwapi)
target_link_options(win_tests PRIVATE -static)
# One ctest test per test file, each a group of related cases run in one
# Wine process: starting Wine for every single case costs far more than the
# cases themselves.
foreach(src ${WIN_TESTS})
  # The filter is read from the file: an edited file configures anew, or a
  # renamed or added case would silently not run.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${src})
  file(READ ${src} text)
  string(REGEX MATCHALL "\n(TEST|TEST_F)\\([A-Za-z0-9_]+, *[A-Za-z0-9_]+\\)" cases "${text}")
  string(REGEX MATCHALL "\n(TEST|TEST_F)\\(" heads "${text}")
  list(LENGTH cases found)
  list(LENGTH heads declared)
  if(NOT found EQUAL declared)
    message(FATAL_ERROR "${src}: write each TEST(Suite, Name) on one line so that it is run")
  endif()
  if(found EQUAL 0)
    continue()
  endif()
  set(names "")
  foreach(c ${cases})
    string(REGEX REPLACE ".*\\(([A-Za-z0-9_]+), *([A-Za-z0-9_]+)\\)" "\\1.\\2" name "${c}")
    list(APPEND names ${name})
  endforeach()
  list(JOIN names ":" filter)
  get_filename_component(group ${src} NAME_WE)
  string(REGEX REPLACE "^test_" "" group ${group})
  add_test(NAME win.${group} COMMAND win_tests --gtest_filter=${filter})
  set_tests_properties(win.${group} PROPERTIES LABELS win RESOURCE_LOCK wine_registry
    TIMEOUT 900)
  list(APPEND WIN_FILTERED_CASES ${names})
endforeach()
# The filters above are read from the sources' text; the binary knows its
# cases for certain. A case in no filter (a TEST_P, a typed or an indented
# one) would never run, and a filter that matches nothing passes: this test
# compares the two lists.
list(JOIN WIN_FILTERED_CASES "\n" filtered)
file(WRITE ${CMAKE_BINARY_DIR}/win_filtered_cases.txt "${filtered}\n")
add_test(NAME win.every_case_is_run COMMAND bash ${CMAKE_SOURCE_DIR}/tests/win/every-case-is-run.sh
  ${CMAKE_BINARY_DIR}/win_filtered_cases.txt $<TARGET_FILE:win_tests>)
set_tests_properties(win.every_case_is_run PROPERTIES LABELS win
  ENVIRONMENT "TIVORA_ROOT=${CMAKE_SOURCE_DIR}")

# Looks at the running clock from the Windows side for the e2e tests.
add_executable(tivora_probe ${CMAKE_SOURCE_DIR}/tests/probe/probe.cpp)
target_compile_definitions(tivora_probe PRIVATE ${WIN_DEFINES})
target_link_options(tivora_probe PRIVATE -static)

# Draws the digital face's expected text for the e2e screenshots.
add_executable(tivora_facetext ${CMAKE_SOURCE_DIR}/tests/e2e/tools/facetext.cpp)
target_compile_definitions(tivora_facetext PRIVATE ${WIN_DEFINES})
target_link_libraries(tivora_facetext PRIVATE gdi32 user32)
target_link_options(tivora_facetext PRIVATE -static)

# End-to-end: each script in tests/e2e drives the real exe from outside.
file(GLOB E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/test_*.sh)
foreach(script ${E2E_TESTS})
  get_filename_component(name ${script} NAME_WE)
  add_test(NAME e2e.${name} COMMAND bash ${script} $<TARGET_FILE:tivora>
    $<TARGET_FILE:tivora_probe>)
  # The e2e tests have a Wine prefix and an X display of their own
  # (scripts/test.sh), so they run beside the win tests.
  set_tests_properties(e2e.${name} PROPERTIES LABELS e2e RESOURCE_LOCK e2e_registry
    TIMEOUT 300 ENVIRONMENT "TIVORA_ROOT=${CMAKE_SOURCE_DIR}")
endforeach()

# The shipped exe itself under 32-bit Wine, natively or through qemu-i386,
# in a prefix and on a display of its own; the probe closes it. Under the
# emulator it is the longest test: its cost makes ctest start it first.
if(TIVORA_RELEASE_EXE)
  add_test(NAME product.shipped_exe COMMAND bash ${CMAKE_SOURCE_DIR}/tests/product/test_product.sh
    ${TIVORA_RELEASE_EXE} $<TARGET_FILE:tivora_probe>)
  set_tests_properties(product.shipped_exe PROPERTIES LABELS product TIMEOUT 330 COST 1000
    ENVIRONMENT "TIVORA_ROOT=${CMAKE_SOURCE_DIR}")
endif()
