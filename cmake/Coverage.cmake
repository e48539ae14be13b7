# ZENTIFORM_COVERAGE: g++ coverage counters in every target of the tree, for
# `make coverage`, which builds the core tests in a tree of their own and
# reads the counters with gcovr. Without optimisation each source line keeps
# its own counter, so the line figures match the code as written.

option(ZENTIFORM_COVERAGE "Build with coverage counters (g++ --coverage, -O0)" OFF)

if(ZENTIFORM_COVERAGE)
  if(ZENTIFORM_SANITIZE OR ZENTIFORM_FUZZ)
    message(FATAL_ERROR "ZENTIFORM_COVERAGE needs a build tree of its own, without sanitizers")
  endif()
  add_compile_options(--coverage -O0)
  add_link_options(--coverage)
endif()
