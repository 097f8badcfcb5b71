# Where the program finds its data: the folder "Ressourcen" beside the Skat
# executable, in the build tree as in an installed tree, and the English
# translation "Skat.en.qm" beside the executable itself.
#
#   SKAT_PROGRAM_DIR     build folder of the Skat executable
#   SKAT_RESOURCE_DIR    ${SKAT_PROGRAM_DIR}/Ressourcen: generators write the
#                        program's data below it (Grafik, Kartensets, Sounds,
#                        Hilfe, Spiellogik, Skat_Text.xml ...)
#   SKAT_INSTALL_DIR     the installed program folder (lib/skat under the
#                        prefix); bin/skat links to the executable there, so
#                        the program finds "Ressourcen" beside its real file.
#
# skat_resource_target(<target>) makes the Skat program depend on a custom
# target that generates resources, so building Skat builds its data.
include(GNUInstallDirs)
set(SKAT_PROGRAM_DIR ${PROJECT_BINARY_DIR}/skat/windows)
set(SKAT_RESOURCE_DIR ${SKAT_PROGRAM_DIR}/Ressourcen)
set(SKAT_INSTALL_DIR lib/skat)
file(MAKE_DIRECTORY ${SKAT_RESOURCE_DIR})

define_property(GLOBAL PROPERTY SKAT_RESOURCE_TARGETS
  BRIEF_DOCS "Custom targets that write into SKAT_RESOURCE_DIR")

function(skat_resource_target target)
  set_property(GLOBAL APPEND PROPERTY SKAT_RESOURCE_TARGETS ${target})
endfunction()

# Called once after every folder was added.
function(skat_finish_resources)
  get_property(targets GLOBAL PROPERTY SKAT_RESOURCE_TARGETS)
  if(targets)
    add_custom_target(skat_resources ALL DEPENDS ${targets})
    add_dependencies(Skat skat_resources)
  endif()
  install(TARGETS Skat RUNTIME DESTINATION ${SKAT_INSTALL_DIR})
  install(DIRECTORY ${SKAT_RESOURCE_DIR} DESTINATION ${SKAT_INSTALL_DIR})
  install(CODE "file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(CREATE_LINK ../${SKAT_INSTALL_DIR}/Skat \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/skat\" SYMBOLIC)")
endfunction()
