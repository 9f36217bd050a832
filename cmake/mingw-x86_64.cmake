# 64-bit Windows executables: the same code, which proves it makes no
# assumption about the size of a pointer or a handle; its tests run under
# 64-bit Wine.
set(PUZZLE_MINGW_PROCESSOR x86_64)
include("${CMAKE_CURRENT_LIST_DIR}/mingw.cmake")
