# Cross-compiles for 32-bit Windows with MinGW-w64: the product.
set(TIVORA_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
