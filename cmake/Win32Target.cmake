# Settings for the MinGW build: static runtime, so that the executables
# import nothing but the DLLs every Windows has; tests run through Wine.
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501)
add_link_options(-static -static-libgcc -static-libstdc++)

if(CMAKE_CROSSCOMPILING)
  set(PUZZLE_WINE_DIR "${CMAKE_BINARY_DIR}/wine")
  set(CMAKE_CROSSCOMPILING_EMULATOR "${PROJECT_SOURCE_DIR}/tools/wine-run.sh;${PUZZLE_WINE_DIR}")
endif()

set(PUZZLE_WIN32_LIBS gdi32 user32 winmm advapi32 shell32 kernel32)
