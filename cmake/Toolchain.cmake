# Compiler set-up shared by every target: warnings, ccache, sanitizers.

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
  set(CMAKE_CXX_COMPILER_LAUNCHER "${CCACHE_PROGRAM}")
endif()

add_library(koriv_warnings INTERFACE)
target_compile_options(koriv_warnings INTERFACE -Wall -Wextra -Wshadow $<$<BOOL:${KORIV_WERROR}>:-Werror>)

if(KORIV_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
