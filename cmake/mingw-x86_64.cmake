# Cross-compiles for 64-bit Windows: the test build where the machine runs
# only 64-bit Wine (see scripts/wine-env.sh). The product is the i686 build.
set(TIVORA_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
