# Build step of the install package skat.msi, run at every build: it lists
# the resource folder and rebuilds the package only when that list (names,
# sizes, times) or one of the package's own files changed.
#   cmake -DSTAGE=<staging folder with Skat, bin/skat, LIESMICH.txt, skat.wxs>
#         -DRESOURCES=<resource folder> -DPACKAGE=<skat.msi> -DWIXL=<wixl>
#         -DWIXL_HEAT=<wixl-heat> -P BuildPackage.cmake
if(NOT IS_SYMLINK ${STAGE}/Ressourcen)
  file(REMOVE_RECURSE ${STAGE}/Ressourcen)
  file(CREATE_LINK ${RESOURCES} ${STAGE}/Ressourcen SYMBOLIC)
endif()

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${RESOURCES} ${RESOURCES}/*)
list(SORT files)
set(paths)
foreach(f IN LISTS files)
  list(APPEND paths ${RESOURCES}/${f})
endforeach()
set(stamp "")
foreach(path IN LISTS paths ITEMS ${STAGE}/Skat ${STAGE}/bin/skat ${STAGE}/LIESMICH.txt ${STAGE}/skat.wxs)
  file(SIZE ${path} size)
  file(TIMESTAMP ${path} time "%s" UTC)
  string(APPEND stamp "${path} ${size} ${time}\n")
endforeach()
if(EXISTS ${PACKAGE} AND EXISTS ${PACKAGE}.stamp)
  file(READ ${PACKAGE}.stamp previous)
  if(previous STREQUAL stamp)
    return()
  endif()
endif()

set(list_file ${STAGE}/resources.txt)
set(lines "")
foreach(f IN LISTS files)
  string(APPEND lines "Ressourcen/${f}\n")
endforeach()
file(WRITE ${list_file} "${lines}")
execute_process(COMMAND ${WIXL_HEAT} -p Ressourcen/ --directory-ref ResourceFolder --component-group Resources
                        --var var.ResourceDir
                INPUT_FILE ${list_file} OUTPUT_FILE ${STAGE}/resources.wxs RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "wixl-heat could not list the resources")
endif()
execute_process(COMMAND ${WIXL} -D ResourceDir=Ressourcen -o ${PACKAGE}.new skat.wxs resources.wxs
                WORKING_DIRECTORY ${STAGE} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "wixl could not build the install package")
endif()
file(RENAME ${PACKAGE}.new ${PACKAGE})
file(WRITE ${PACKAGE}.stamp "${stamp}")
