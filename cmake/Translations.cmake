# The program's translations: one Qt Linguist file per language in
# translations/, compiled to .qm by lrelease at build time and embedded in
# yq_files as the resource :/i18n/yq_<code>.qm, so that every program on
# that layer (yq, yq-calc, yq-calc-pages, the tests) carries them and
# files/Language loads them from there. The package ships them inside the
# programs; no .qm file is installed beside them.
#
#   cmake --build build --target update_translations
#
# runs lupdate over every source of src/ and refreshes the .ts files: new
# texts come in unfinished, a text no longer in the sources is dropped
# (-no-obsolete), so a .ts file always holds exactly the program's texts.
# Locations are left out (-locations none) so that moving code does not
# touch the translation files.

set(YQ_TS_FILES)
foreach(language IN LISTS YQ_LANGUAGES)
  list(APPEND YQ_TS_FILES ${PROJECT_SOURCE_DIR}/translations/yq_${language}.ts)
endforeach()

file(GLOB_RECURSE YQ_TRANSLATED_SOURCES CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h)
qt_add_lupdate(yq_files
  TS_FILES ${YQ_TS_FILES}
  SOURCES ${YQ_TRANSLATED_SOURCES}
  INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/src
  OPTIONS -no-obsolete -locations none -silent)
qt_add_lrelease(yq_files
  TS_FILES ${YQ_TS_FILES}
  QM_FILES_OUTPUT_VARIABLE YQ_QM_FILES
  OPTIONS -silent)
qt_add_resources(yq_files yq_translations
  PREFIX /i18n
  BASE ${CMAKE_CURRENT_BINARY_DIR}
  FILES ${YQ_QM_FILES})
