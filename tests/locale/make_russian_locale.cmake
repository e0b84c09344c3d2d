# Builds the ru_RU.UTF-8 locale into LOCALE_DIR without root (sources from the locales package),
# so that tests can run with LOCPATH=LOCALE_DIR LC_ALL=ru_RU.UTF-8.
find_program(LOCALEDEF localedef REQUIRED)
file(MAKE_DIRECTORY ${LOCALE_DIR})
execute_process(COMMAND ${LOCALEDEF} -i ru_RU -f UTF-8 ${LOCALE_DIR}/ru_RU.UTF-8
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
# localedef exits with 1 for mere warnings; the compiled numeric category is what the tests need.
if(NOT EXISTS ${LOCALE_DIR}/ru_RU.UTF-8/LC_NUMERIC)
    message(FATAL_ERROR "localedef could not build ru_RU.UTF-8 (status ${status}; is the locales "
                        "package installed?):\n${output}")
endif()
