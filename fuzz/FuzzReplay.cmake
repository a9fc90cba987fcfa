# marlowen_add_fuzz_replay(NAME <module.unit> TARGET <fuzz target>)
#   Builds fuzz target TARGET with the replay driver and registers a test that runs it over the
#   target's seed corpus and its saved regressions (fuzz/corpus/<target>, fuzz/regressions/<target>).
include(${CMAKE_CURRENT_LIST_DIR}/FuzzTargets.cmake)

# The targets read their input through clang's header-only data provider (package libclang-rt-14-dev);
# a copy of it alone keeps clang's other headers away from the normal compiler.
file(GLOB MARLOWEN_DATA_PROVIDER /usr/lib/llvm-*/lib/clang/*/include/fuzzer/FuzzedDataProvider.h)
if(NOT MARLOWEN_DATA_PROVIDER)
  message(FATAL_ERROR "fuzzer/FuzzedDataProvider.h not found: install libclang-rt-14-dev (scripts/deps.sh)")
endif()
list(GET MARLOWEN_DATA_PROVIDER 0 MARLOWEN_DATA_PROVIDER)
configure_file(${MARLOWEN_DATA_PROVIDER} ${CMAKE_BINARY_DIR}/fuzz-include/fuzzer/FuzzedDataProvider.h COPYONLY)

function(marlowen_add_fuzz_replay)
  cmake_parse_arguments(ARG "" "NAME;TARGET" "" ${ARGN})
  string(REPLACE "." "_" target "test_${ARG_NAME}")
  add_executable(${target} ${MARLOWEN_FUZZ_SOURCES_${ARG_TARGET}} ${MARLOWEN_FUZZ_DIR}/support/ReplayMain.cpp)
  marlowen_fuzz_target_setup(${target} ${ARG_TARGET})
  target_include_directories(${target} SYSTEM PRIVATE ${CMAKE_BINARY_DIR}/fuzz-include)
  add_test(NAME ${ARG_NAME}
           COMMAND ${target} ${MARLOWEN_FUZZ_DIR}/corpus/${ARG_TARGET} ${MARLOWEN_FUZZ_DIR}/regressions/${ARG_TARGET})
endfunction()
