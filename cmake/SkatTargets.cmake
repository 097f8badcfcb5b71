# Helpers that turn a folder into one library and a tests folder into one
# test program, so adding a source file needs no build edit.

# skat_folder_library(<target> [QT] [DEPS <targets>...] [EXCLUDE <file names>...])
# Compiles every .cpp/.h (and with QT every .ui/.qrc) directly in the calling folder.
function(skat_folder_library target)
  cmake_parse_arguments(A "QT" "" "DEPS;EXCLUDE" ${ARGN})
  set(patterns *.cpp *.h)
  if(A_QT)
    list(APPEND patterns *.ui *.qrc)
  endif()
  set(globs)
  foreach(p IN LISTS patterns)
    list(APPEND globs ${CMAKE_CURRENT_SOURCE_DIR}/${p})
  endforeach()
  file(GLOB sources CONFIGURE_DEPENDS ${globs})
  foreach(ex IN LISTS A_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "/${ex}$")
  endforeach()
  set(has_cpp FALSE)
  foreach(s IN LISTS sources)
    if(s MATCHES "\\.cpp$")
      set(has_cpp TRUE)
    endif()
  endforeach()
  if(NOT has_cpp)
    set(stub ${CMAKE_CURRENT_BINARY_DIR}/${target}_empty.cpp)
    if(NOT EXISTS ${stub})
      file(WRITE ${stub} "// This folder has no sources yet.\n")
    endif()
    list(APPEND sources ${stub})
  endif()
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${A_DEPS})
  if(A_QT)
    set_target_properties(${target} PROPERTIES AUTOMOC ON AUTOUIC ON AUTORCC ON)
  endif()
endfunction()

# skat_folder_tests(<label> [DEPS <targets>...] [TIMEOUT <s>])
# Every .cpp in the calling folder goes into one GoogleTest program. A file
# named main.cpp replaces gtest_main; with QT_MAIN the program runs inside a
# QApplication (tests/support/QtTestMain.cpp).
function(skat_folder_tests label)
  cmake_parse_arguments(A "QT_MAIN" "TIMEOUT" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER sources INCLUDE REGEX "\\.cpp$|\\.h$")
  set(cpp ${sources})
  list(FILTER cpp INCLUDE REGEX "\\.cpp$")
  if(NOT cpp)
    return()
  endif()
  set(target test_${label})
  add_executable(${target} ${sources})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  list(FIND cpp ${CMAKE_CURRENT_SOURCE_DIR}/main.cpp own_main)
  if(A_QT_MAIN)
    target_link_libraries(${target} PRIVATE skat_test_qt_main GTest::gmock)
  elseif(own_main EQUAL -1)
    target_link_libraries(${target} PRIVATE GTest::gtest_main GTest::gmock)
  else()
    target_link_libraries(${target} PRIVATE GTest::gtest GTest::gmock)
  endif()
  target_link_libraries(${target} PRIVATE ${A_DEPS})
  target_compile_definitions(${target} PRIVATE
    SKAT_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    SKAT_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data"
    SKAT_BINARY_DIR="${PROJECT_BINARY_DIR}")
  set_target_properties(${target} PROPERTIES AUTOMOC ON AUTOUIC ON AUTORCC ON)
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 300)
  endif()
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    PROPERTIES LABELS ${label} TIMEOUT ${A_TIMEOUT}
               ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SKAT_TESTING=1")
endfunction()
