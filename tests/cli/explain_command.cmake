# zeltar-cli explain: the protocol in its three forms (a floor on ground shows its zones, the json
# is an array of lines with full-precision numbers and the totals), and the refusals.
# -DCLI=zeltar-cli -DDATA=reference-projects folder
function(explain out_var expected_status)
    execute_process(COMMAND ${CLI} explain ${ARGN} OUTPUT_VARIABLE output ERROR_VARIABLE errors
                    RESULT_VARIABLE status)
    if(NOT status EQUAL expected_status)
        message(FATAL_ERROR "explain ${ARGN} ended with ${status}, not ${expected_status}: ${errors}")
    endif()
    set(${out_var} "${output}" PARENT_SCOPE)
    set(${out_var}_errors "${errors}" PARENT_SCOPE)
endfunction()

function(expect_in text fragment what)
    string(FIND "${text}" "${fragment}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${what}: no '${fragment}' in\n${text}")
    endif()
endfunction()

# p0002 has its floor on ground.
explain(text 0 ${DATA}/p0002.zlt)
foreach(fragment IN ITEMS "ПРОТОКОЛ РАСЧЁТА ТЕПЛОПРИТОКОВ" "\nQ1: стена А\n" "Q1: пол на грунте, по зонам"
                          "площадь зоны IV" "k = 1 / (1/α_н + R_к + R_и + 1/α_в)" "\nQ4: дверь\n" "\nИтог\n"
                          "Qсум = Q1 + Q12 + Q2 + Q3 + Q4 + Q5")
    expect_in("${text}" "${fragment}" "explain text")
endforeach()

explain(markdown 0 --format markdown ${DATA}/p0002.zlt)
expect_in("${markdown}" "# Протокол расчёта теплопритоков" "explain markdown")
expect_in("${markdown}" "| Величина | Обозначение | Значение | Формула |" "explain markdown")

explain(json 0 --format json ${DATA}/p0001.zlt)
string(JSON count LENGTH "${json}")
if(count LESS 100)
    message(FATAL_ERROR "explain json: only ${count} lines")
endif()
math(EXPR last "${count} - 1")
set(found_total FALSE)
foreach(i RANGE ${last})
    string(JSON symbol GET "${json}" ${i} symbol)
    string(JSON value GET "${json}" ${i} value)
    if(NOT value MATCHES "^-?[0-9]+(\\.[0-9]+)?(e[-+]?[0-9]+)?$")
        message(FATAL_ERROR "explain json: value '${value}' of ${symbol} is not a plain json number")
    endif()
    if(symbol STREQUAL "Qсум")
        set(found_total TRUE)
        # p0001.expected: TotalHeatGain 11,84 (the field cuts to two decimals)
        if(NOT value MATCHES "^11\\.84")
            message(FATAL_ERROR "explain json: total ${value}, calc shows 11,84")
        endif()
    endif()
endforeach()
if(NOT found_total)
    message(FATAL_ERROR "explain json: no total line")
endif()

explain(missing 1 ${DATA}/no-such-project.zlt)
expect_in("${missing_errors}" "no-such-project.zlt" "explain of a missing file")
explain(bad_format 2 --format pdf ${DATA}/p0001.zlt)
explain(two_files 2 ${DATA}/p0001.zlt ${DATA}/p0002.zlt)
