# Build step of the Setup file: asks the program where the package goes
# ("--OFFSET") and appends the package there.
#   cmake -DPROGRAM=<stripped Setup> -DAPPEND=<setup_append_payload>
#         -DPACKAGE=<skat.msi> -DOUTPUT=<Setup> -P BuildSetup.cmake
execute_process(COMMAND ${PROGRAM} --OFFSET OUTPUT_VARIABLE offset RESULT_VARIABLE result
                OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT result EQUAL 0 OR NOT offset STREQUAL "256000")
  file(SIZE ${PROGRAM} size)
  message(FATAL_ERROR "Setup program of ${size} bytes: no room for the package below offset 256000 "
                      "(offset query answered '${offset}', exit ${result})")
endif()
execute_process(COMMAND ${APPEND} ${PROGRAM} ${PACKAGE} skat.msi ${OUTPUT}.new RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "appending the package failed")
endif()
file(CHMOD ${OUTPUT}.new PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
     WORLD_READ WORLD_EXECUTE)
file(RENAME ${OUTPUT}.new ${OUTPUT})
