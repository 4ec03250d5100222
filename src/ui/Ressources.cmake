# The texts of the program, built into it as a Qt resource: the help texts, the kinds of
# material of the designation help and the producers list. The resource file is written at
# configure time and lists the files that exist; a file that appears later is picked up
# by the next build (the globs are checked at every build).
file(GLOB talix_textes_aides CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/help/*.txt)
file(GLOB talix_textes_donnees CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/data/kinds-of-material*.txt ${PROJECT_SOURCE_DIR}/data/producers*.tsv)
set(talix_qrc "<RCC>\n  <qresource prefix=\"/\">\n")
foreach(fichier IN LISTS talix_textes_aides)
  get_filename_component(nom ${fichier} NAME)
  string(APPEND talix_qrc "    <file alias=\"help/${nom}\">${fichier}</file>\n")
endforeach()
foreach(fichier IN LISTS talix_textes_donnees)
  get_filename_component(nom ${fichier} NAME)
  string(APPEND talix_qrc "    <file alias=\"data/${nom}\">${fichier}</file>\n")
endforeach()
string(APPEND talix_qrc "  </qresource>\n</RCC>\n")
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/talix_textes.qrc CONTENT "${talix_qrc}")
target_sources(talix_ui PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/talix_textes.qrc)
target_compile_definitions(talix_ui PRIVATE TALIX_VERSION="${PROJECT_VERSION}")
