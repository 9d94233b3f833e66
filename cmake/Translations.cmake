# The interface's catalogues: each translation file in res/translations becomes
# a .qm with lrelease, in <build>/share/kestrel/translations, where the programs
# find it next to their folder as they do when installed.
# scripts/update-translations.sh collects the texts from the sources.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

file(GLOB ts_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/res/translations/*.ts)
set_source_files_properties(${ts_files} PROPERTIES OUTPUT_LOCATION ${PROJECT_BINARY_DIR}/${KESTREL_CATALOGUE_DIR})
add_custom_target(kestrel_translations ALL)
qt_add_lrelease(kestrel_translations TS_FILES ${ts_files} QM_FILES_OUTPUT_VARIABLE KESTREL_QM_FILES
                OPTIONS -silent)
