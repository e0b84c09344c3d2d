# zeltar-cli calc on files that are no project: an object file and a PDF (UTF-16 and the other
# kinds are checked where the file kind is recognised, tests/projectfile/file_kind_test.cpp).
# Each is refused (exit 1) with a message saying what the file is, never «не является числом»,
# never speaking of a window.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/склад.zlo "ZELTAR-OBJECT 1\nname = Склад\nroom = a.zlt\n")
file(WRITE ${WORK}/отчёт.pdf "%PDF-1.4\n1 0 obj\n<< /Type /Catalog >>\nendobj\n")
foreach(case IN ITEMS "склад.zlo|это файл объекта" "отчёт.pdf|не является файлом проекта ЗЕЛТАР: это документ PDF")
    string(REPLACE "|" ";" parts "${case}")
    list(GET parts 0 name)
    list(GET parts 1 expected)
    execute_process(COMMAND ${CLI} calc ${WORK}/${name} OUTPUT_VARIABLE listing ERROR_VARIABLE errors
                    RESULT_VARIABLE status)
    if(NOT status STREQUAL "1")
        message(FATAL_ERROR "${name}: exit ${status}, expected 1\n${errors}")
    endif()
    string(FIND "${errors}" "${expected}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${name}: the message does not say «${expected}»:\n${errors}")
    endif()
    if(errors MATCHES "не является числом|окн")
        message(FATAL_ERROR "${name}: the message speaks of a number or a window:\n${errors}")
    endif()
endforeach()
