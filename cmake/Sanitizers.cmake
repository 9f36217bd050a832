# The native build runs the platform-free code under AddressSanitizer and
# UndefinedBehaviorSanitizer; any report fails the test.
option(PUZZLE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(PUZZLE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
