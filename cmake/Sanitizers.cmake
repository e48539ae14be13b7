# Instrumented builds. Both apply to every target of the tree, so the core and
# whatever links it are built alike; build only the targets you need
# (zentiform_core_tests, or the fuzz_* targets) to keep the build short.
#
# ZENTIFORM_SANITIZE: AddressSanitizer and UndefinedBehaviorSanitizer, any
#   report ends the program with an error (the CI runs the core tests so).
# ZENTIFORM_FUZZ: the libFuzzer targets under tests/fuzz, with both
#   sanitizers; needs clang.

option(ZENTIFORM_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(ZENTIFORM_FUZZ "Build the libFuzzer targets (clang only)" OFF)

set(ZENTIFORM_SANITIZER_FLAGS
  -fsanitize=address,undefined
  # A report must fail the run, not scroll past in a passing one.
  -fno-sanitize-recover=all
  -fno-omit-frame-pointer)

if(ZENTIFORM_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "ZENTIFORM_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  # The code under test is instrumented for coverage; the fuzz targets
  # themselves link libFuzzer's main (tests/fuzz).
  add_compile_options(${ZENTIFORM_SANITIZER_FLAGS} -fsanitize=fuzzer-no-link)
  add_link_options(${ZENTIFORM_SANITIZER_FLAGS})
elseif(ZENTIFORM_SANITIZE)
  add_compile_options(${ZENTIFORM_SANITIZER_FLAGS})
  add_link_options(${ZENTIFORM_SANITIZER_FLAGS})
endif()
