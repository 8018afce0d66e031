# The English translation of the interface. The texts in the code are Polish
# (tr() source texts); translations/trv630_en.ts holds their English
# counterparts and is committed. The build only compiles it to .qm (lrelease)
# and embeds the .qm in the program as the resource ":/i18n/trv630_en.qm", so
# the program, the tests and an installed copy all find it without a path.
# Collecting new texts from the sources is a manual step:
# scripts/update-translations.sh.
set(TRV630_TS_FILES ${CMAKE_SOURCE_DIR}/translations/trv630_en.ts)
qt_add_translations(trv630core
  TS_FILES ${TRV630_TS_FILES}
  RESOURCE_PREFIX /i18n
  LRELEASE_OPTIONS -silent)
