# Warnings are errors in every target of ours.
add_library(n63k_warnings INTERFACE)
target_compile_options(n63k_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Wnull-dereference
  -Wimplicit-fallthrough -Werror)
