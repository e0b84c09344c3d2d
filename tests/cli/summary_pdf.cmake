# zeltar-cli summary --pdf: the drawing helper writes the summary report of an object file; the
# text read back with pdftotext has the object, the rooms and the totals, and a refused room
# gives status 1 with the PDF still written; the chart of the loaded rooms is its last page. A PDF that cannot be written leaves nothing behind.
# -DCLI=zeltar-cli -DDATA=reference-projects folder -DWORK=scratch folder
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/объект.zlo "ZELTAR-OBJECT 1
name = Мясокомбинат
simultaneity = 0,75
room = ${DATA}/p0002.zlt
room-name = Склад мороженого мяса
room = ${DATA}/p0005.zlt
room = нет.zlt
")
execute_process(COMMAND ${CLI} summary --pdf ${WORK}/сводка.pdf ${WORK}/объект.zlo
                ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 1 OR NOT errors MATCHES "нет.zlt» не найден")
    message(FATAL_ERROR "summary --pdf with a missing room ended with ${status}: ${errors}")
endif()
execute_process(COMMAND pdftotext -layout ${WORK}/сводка.pdf - OUTPUT_VARIABLE text RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "pdftotext cannot read the summary PDF")
endif()
foreach(expected "Мясокомбинат" "Склад мороженого мяса" "p0005" "1265,03" "6206,12"
        "Низкотемпературные: камер 2" "Итого по объекту: камер 2" "стр. 1 из 2" "стр. 2 из 2")
    string(FIND "${text}" "${expected}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the summary PDF lacks '${expected}':\n${text}")
    endif()
endforeach()

execute_process(COMMAND ${CLI} summary --pdf ${WORK}/нет/папки.pdf ${DATA}/p0001.zlt
                ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 1 OR errors STREQUAL "" OR EXISTS ${WORK}/нет)
    message(FATAL_ERROR "summary --pdf into a missing folder ended with ${status}: ${errors}")
endif()
file(GLOB left ${WORK}/*.part)
if(left)
    message(FATAL_ERROR "summary --pdf left ${left}")
endif()
file(REMOVE_RECURSE ${WORK})
