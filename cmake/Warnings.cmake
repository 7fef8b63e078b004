# Our warnings on every target of ours; they stop the build only where asked
# (the presets, the scripts and CI), so a packager's plain build with other
# compilers or flags still goes through.
option(N63K_WERROR "Treat warnings as errors" OFF)
add_library(n63k_warnings INTERFACE)
target_compile_options(n63k_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Wnull-dereference
  -Wimplicit-fallthrough $<$<BOOL:${N63K_WERROR}>:-Werror>)
