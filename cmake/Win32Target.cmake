# Settings for the MinGW build: static runtime, so that the executables
# import nothing but the DLLs every Windows has; tests run through Wine.
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501)
add_link_options(-static -static-libgcc -static-libstdc++)

# The build's platform, win32 or win64: it names the release archive and the
# Wine prefix (a 32-bit prefix for the 32-bit build, a 64-bit one for the
# 64-bit build).
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(PUZZLE_PLATFORM win64)
else()
  set(PUZZLE_PLATFORM win32)
endif()

if(CMAKE_CROSSCOMPILING)
  set(PUZZLE_WINE_DIR "${CMAKE_BINARY_DIR}/wine")
  set(CMAKE_CROSSCOMPILING_EMULATOR "${PROJECT_SOURCE_DIR}/tools/wine-run.sh;${PUZZLE_WINE_DIR}")
endif()

# ole32 reaches the imaging component through COM; uuid only defines its
# identifiers.
set(PUZZLE_WIN32_LIBS gdi32 user32 winmm advapi32 shell32 ole32 uuid kernel32)

# The shipped code is built small. Nothing in it throws or catches, and it
# runs on one thread: without these options the static C++ runtime brings in
# its exception machinery, its name demangler and a thread library, some
# 230 KB of the executable. So does any use of operator new, std::vector or
# std::string in shipped code (they throw from inside the runtime): use the
# C allocator there. The tests keep exceptions for GoogleTest. (The
# optimisation level stays the release one: -Os saves a few KB and slows the
# tile drawing.)
function(build_for_size target)
  target_compile_options(${target} PRIVATE
    -fno-exceptions -fno-threadsafe-statics -ffunction-sections -fdata-sections)
endfunction()
