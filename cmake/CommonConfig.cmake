# One place for the flags every target of ours is built with.
add_library(drovik_flags INTERFACE)
target_compile_features(drovik_flags INTERFACE cxx_std_20)
target_compile_options(drovik_flags INTERFACE
  $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic>)
# Qt strictness: no implicit conversions from char* to QString in our code.
target_compile_definitions(drovik_flags INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING
  QT_USE_QSTRINGBUILDER QT_NO_FOREACH)
set(CMAKE_CXX_EXTENSIONS OFF)

# CI's second build runs the core tests under the sanitizers: any undefined behaviour fails the test
# instead of being reported and passed over.
if(DROVIK_SANITIZE)
  target_compile_options(drovik_flags INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(drovik_flags INTERFACE -fsanitize=address,undefined)
endif()
