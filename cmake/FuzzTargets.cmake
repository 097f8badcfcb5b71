# The readers' libFuzzer targets (cmake/fuzz, a build of its own with clang,
# ASan and UBSan) and their bounded runs in CTest: each target replays its
# kept corpus and runs a fixed number of inputs from the engine's seeds.
# Needs SKAT_FUZZ_CXX and SKAT_FUZZ_WORKS (found in tests/ipc).
if(NOT SKAT_FUZZ_WORKS)
  return()
endif()
include(ExternalProject)
set(SKAT_FUZZ_BUILD ${PROJECT_BINARY_DIR}/fuzz)
ExternalProject_Add(skat_fuzzers
  SOURCE_DIR ${PROJECT_SOURCE_DIR}/cmake/fuzz
  BINARY_DIR ${SKAT_FUZZ_BUILD}
  CMAKE_ARGS -DCMAKE_CXX_COMPILER=${SKAT_FUZZ_CXX} -DSKAT_SOURCE_DIR=${PROJECT_SOURCE_DIR}
             -DCMAKE_BUILD_TYPE=RelWithDebInfo
  BUILD_COMMAND ${CMAKE_COMMAND} --build ${SKAT_FUZZ_BUILD} -j 2
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  USES_TERMINAL_BUILD ON)

# skat_fuzz_test(<label> <target> <seed folder or -> <corpus folder> <runs> [<dictionary>])
function(skat_fuzz_test label target seeds corpus runs)
  # New inputs go to the scratch folder (the first), never into the sources.
  set(scratch ${SKAT_FUZZ_BUILD}/corpus/${target})
  file(MAKE_DIRECTORY ${scratch})
  set(dirs ${scratch})
  if(NOT seeds STREQUAL "-")
    list(APPEND dirs ${SKAT_FUZZ_BUILD}/seeds/${seeds})
  endif()
  if(EXISTS ${corpus})
    list(APPEND dirs ${corpus})
  endif()
  set(options)
  if(ARGV5)
    set(options -dict=${ARGV5})
  endif()
  add_test(NAME ${label}.Fuzz_${target}
           COMMAND ${SKAT_FUZZ_BUILD}/${target} -runs=${runs} -max_len=8192 -seed=1 -timeout=10 ${options} ${dirs})
  set_tests_properties(${label}.Fuzz_${target} PROPERTIES LABELS ${label} TIMEOUT 120)
endfunction()

set(tests ${PROJECT_SOURCE_DIR}/tests)
set(dict ${tests}/support/fuzz/skat.dict)
skat_fuzz_test(engine fuzz_sheet sheet ${tests}/engine/data/fuzz/sheet 20000 ${dict})
skat_fuzz_test(engine fuzz_deal deal ${tests}/engine/data/fuzz/deal 30000 ${dict})
skat_fuzz_test(engine fuzz_running_game running ${tests}/engine/data/fuzz/running 20000 ${dict})
skat_fuzz_test(net fuzz_network_message message ${tests}/net/data/fuzz/message 20000 ${dict})
skat_fuzz_test(vordix fuzz_xml xml ${tests}/vordix/data/fuzz/xml 30000 ${dict})
skat_fuzz_test(vordix fuzz_number number ${tests}/vordix/data/fuzz/number 200000)
skat_fuzz_test(logic fuzz_logic_tables - ${tests}/logic/data/fuzz/logic_tables 5000)
skat_fuzz_test(app fuzz_card_sets - ${tests}/app/data/fuzz/card_sets 20000 ${dict})
skat_fuzz_test(app fuzz_high_scores - ${tests}/app/data/fuzz/high_scores 20000 ${dict})
skat_fuzz_test(setup fuzz_payload - ${tests}/setup/data/fuzz/payload 200000)
skat_fuzz_test(setup fuzz_product_list - ${tests}/setup/data/fuzz/product_list 40000)
