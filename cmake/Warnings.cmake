# Every warning is an error, on both builds.
add_compile_options(-Wall -Wextra -Werror)
