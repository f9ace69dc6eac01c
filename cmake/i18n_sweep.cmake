# Runs every scenario in SCENARIOS with travik-cli (CLI), gathering the texts
# the dialogs show, then hands them to travik-i18n (I18N) with MODE (check or
# update) for the catalogue TS.
file(GLOB scenarios "${SCENARIOS}/*.tts")
set(swept "${WORK}/i18n_swept.tsv")
file(REMOVE "${swept}")
# Whether each scenario passes is its own test's business; only the texts count here.
execute_process(COMMAND "${CLI}" run --collect-texts "${swept}" ${scenarios}
                OUTPUT_QUIET ERROR_QUIET RESULT_VARIABLE ignored)
if(NOT EXISTS "${swept}")
  message(FATAL_ERROR "the sweep of ${SCENARIOS} gathered nothing")
endif()
execute_process(COMMAND "${I18N}" ${MODE} "${TS}" "${swept}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "travik-i18n ${MODE} failed; run: cmake --build build --target i18n-update")
endif()
