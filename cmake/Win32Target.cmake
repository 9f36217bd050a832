# Settings for the MinGW build: static runtime, so that the executables
# import nothing but the DLLs every Windows has; tests run through Wine.
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501)
add_link_options(-static -static-libgcc -static-libstdc++)

if(CMAKE_CROSSCOMPILING)
  set(PUZZLE_WINE_DIR "${CMAKE_BINARY_DIR}/wine")
  # A 32-bit prefix for the 32-bit build, a 64-bit one for the 64-bit build.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(PUZZLE_WINE_ARCH win64)
  else()
    set(PUZZLE_WINE_ARCH win32)
  endif()
  set(CMAKE_CROSSCOMPILING_EMULATOR "${PROJECT_SOURCE_DIR}/tools/wine-run.sh;${PUZZLE_WINE_DIR}")
endif()

set(PUZZLE_WIN32_LIBS gdi32 user32 winmm advapi32 shell32 kernel32)
