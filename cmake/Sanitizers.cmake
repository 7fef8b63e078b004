set(N63K_SANITIZE "" CACHE STRING "address (with undefined behaviour) or thread")
if(N63K_SANITIZE STREQUAL "address")
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
elseif(N63K_SANITIZE STREQUAL "thread")
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
elseif(NOT N63K_SANITIZE STREQUAL "")
  message(FATAL_ERROR "N63K_SANITIZE must be empty, address or thread")
endif()

# The fuzz targets' build: every library gets libFuzzer's coverage
# instrumentation, and only the targets link libFuzzer's main.
option(N63K_FUZZ "Build the fuzz targets as libFuzzer programs (clang)" OFF)
if(N63K_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
