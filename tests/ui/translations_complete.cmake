# Fails when a text marked for translation in the interface has no finished English
# translation, or the translation file keeps one the sources no longer use: lupdate updates
# a copy of the file from the sources, which must then hold nothing unfinished or vanished.
file(COPY_FILE ${SOURCE_DIR}/translations/kelvora_en.ts ${WORK_DIR}/kelvora_en.ts)
execute_process(
  COMMAND ${LUPDATE} -source-language cs_CZ -target-language en -locations none -I ${SOURCE_DIR}/src
          ${SOURCE_DIR}/src/ui -ts ${WORK_DIR}/kelvora_en.ts
  RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "lupdate failed")
endif()
file(READ ${WORK_DIR}/kelvora_en.ts updated)
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"(unfinished|vanished|obsolete)\"" open "${updated}")
if(open)
  string(REPLACE ";" "\n" open "${open}")
  message(FATAL_ERROR "Texts without a finished English translation, or no longer used:\n${open}")
endif()
