# lupdate over the sources into a copy of torval_en.ts: the copy must equal
# the repository's file (no text added, changed or dropped in the code
# without the catalogue following) and every message must have its English.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
configure_file(${CATALOGUE} ${WORK}/torval_en.ts COPYONLY)
string(REPLACE "|" ";" folders "${FOLDERS}")
string(REPLACE "|" ";" options "${OPTIONS}")
execute_process(COMMAND ${LUPDATE} ${options} ${folders} -ts ${WORK}/torval_en.ts RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${rc})")
endif()
file(READ ${CATALOGUE} kept)
file(READ ${WORK}/torval_en.ts fresh)
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\"|<source>[^<]*</source>[ \n]*<translation>[ \n]*</translation>" untranslated "${fresh}")
if(untranslated)
  string(REPLACE ";" "\n" untranslated "${untranslated}")
  message(FATAL_ERROR "Texts without their English translation:\n${untranslated}\n"
                      "Run the target torval_lupdate and translate them in translations/torval_en.ts.")
endif()
if(NOT kept STREQUAL fresh)
  message(FATAL_ERROR "translations/torval_en.ts is not up to date with the sources; run the target torval_lupdate.")
endif()
