# Native build: the rules with GoogleTest under AddressSanitizer and
# UndefinedBehaviorSanitizer.
find_package(GTest REQUIRED)
include(GoogleTest)

set(SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

add_library(tivora_rules STATIC ${RULE_SOURCES})
target_include_directories(tivora_rules PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(tivora_rules PUBLIC ${TIVORA_TEXT_FLAGS} ${SANITIZE} -Wall -Wextra)
target_link_options(tivora_rules PUBLIC ${SANITIZE})

file(GLOB HOST_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/host/*.cpp)
add_executable(host_tests ${HOST_TESTS})
target_link_libraries(host_tests PRIVATE tivora_rules GTest::gtest_main)
gtest_discover_tests(host_tests PROPERTIES LABELS host DISCOVERY_TIMEOUT 30)

# Optional extras of the native build (fuzzers, benchmarks) add themselves here.
file(GLOB HOST_EXTRAS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/CMakeLists.txt)
if(HOST_EXTRAS)
  add_subdirectory(tests/fuzz)
endif()

# The folders' includes point one way: app/ over timer/, face/ and settings/.
add_test(NAME layers.includes_point_down COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/check-layers.sh)
set_tests_properties(layers.includes_point_down PROPERTIES LABELS host)
