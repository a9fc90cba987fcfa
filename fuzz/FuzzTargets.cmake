# The fuzz targets and their sources, shared by the libFuzzer build (CMakeLists.txt) and the replay
# of their corpora in the normal tests (FuzzReplay.cmake). Paths are relative to this folder.
set(MARLOWEN_FUZZ_DIR ${CMAKE_CURRENT_LIST_DIR})
set(MARLOWEN_FUZZ_TARGETS ini text decoding layout harulayout)
set(MARLOWEN_FUZZ_SOURCES_ini ${MARLOWEN_FUZZ_DIR}/targets/IniProfileFuzz.cpp
    ${MARLOWEN_FUZZ_DIR}/support/ScratchFile.cpp)
set(MARLOWEN_FUZZ_SOURCES_text ${MARLOWEN_FUZZ_DIR}/targets/TextReaderFuzz.cpp
    ${MARLOWEN_FUZZ_DIR}/support/ScratchFile.cpp)
set(MARLOWEN_FUZZ_SOURCES_decoding ${MARLOWEN_FUZZ_DIR}/targets/DecodingFuzz.cpp)
set(MARLOWEN_FUZZ_SOURCES_layout ${MARLOWEN_FUZZ_DIR}/targets/LineBreakerFuzz.cpp
    ${MARLOWEN_FUZZ_DIR}/support/LayoutCheck.cpp)
set(MARLOWEN_FUZZ_SOURCES_harulayout ${MARLOWEN_FUZZ_DIR}/targets/HaruLayoutFuzz.cpp
    ${MARLOWEN_FUZZ_DIR}/support/LayoutCheck.cpp)

# Include folders and libraries of the target built from the sources of fuzz target name.
function(marlowen_fuzz_target_setup target name)
  target_include_directories(${target} PRIVATE ${MARLOWEN_FUZZ_DIR}/support)
  target_link_libraries(${target} PRIVATE marlowen::platform marlowen_warnings)
  if(name STREQUAL "layout")
    target_link_libraries(${target} PRIVATE marlowen_fake_measure)
  elseif(name STREQUAL "harulayout" OR name STREQUAL "decoding")
    target_link_libraries(${target} PRIVATE marlowen::engine_internals)
  endif()
endfunction()
