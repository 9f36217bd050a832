# 32-bit Windows executables: the product.
set(PUZZLE_MINGW_PROCESSOR i686)
include("${CMAKE_CURRENT_LIST_DIR}/mingw.cmake")
