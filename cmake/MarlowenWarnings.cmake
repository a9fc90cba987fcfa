# Warning flags shared by every target of the project.
add_library(marlowen_warnings INTERFACE)
target_compile_options(marlowen_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                                   -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough)
if(MARLOWEN_WERROR)
  target_compile_options(marlowen_warnings INTERFACE -Werror)
endif()
