# zeltar-cli convert: a 131-line file to the own project file and back byte for byte; the own file
# read by calc and by an object file's summary like the 131-line file; a lossy conversion refused
# unless --lossy; OUT never over IN.
# -DCLI=zeltar-cli -DDATA=reference-projects folder -DWORK=scratch folder
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(run_cli expected_status)
    execute_process(COMMAND ${CLI} ${ARGN} OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
    if(NOT status EQUAL expected_status)
        message(FATAL_ERROR "zeltar-cli ${ARGN} ended with ${status} instead of ${expected_status}: ${errors}")
    endif()
    set(output "${output}" PARENT_SCOPE)
    set(errors "${errors}" PARENT_SCOPE)
endfunction()

run_cli(0 convert ${DATA}/p0002.zlt ${WORK}/p0002.zlp)
run_cli(0 convert ${WORK}/p0002.zlp ${WORK}/back.zlt)
file(SHA256 ${DATA}/p0002.zlt original)
file(SHA256 ${WORK}/back.zlt back)
if(NOT original STREQUAL back)
    message(FATAL_ERROR "p0002.zlt converted to .zlp and back differs from the original")
endif()

# Every command reads the own file as the 131-line file.
run_cli(0 calc ${DATA}/p0002.zlt)
set(from_zlt "${output}")
run_cli(0 calc ${WORK}/p0002.zlp)
if(NOT output STREQUAL from_zlt)
    message(FATAL_ERROR "calc of the .zlp differs from calc of the .zlt:\n${output}")
endif()
file(WRITE ${WORK}/object.zlo "ZELTAR-OBJECT 1\nname = Склад\nroom = p0002.zlp\nroom = ${DATA}/p0003.zlt\n")
run_cli(0 summary --format csv ${WORK}/object.zlo)

# An own material cannot stand in a 131-line file: refused, naming it, unless --lossy.
file(READ ${WORK}/p0002.zlp own)
file(WRITE ${WORK}/own.zlp "${own}OwnMaterial.1 = панель заказчика; 0,021; 1\n")
run_cli(1 convert ${WORK}/own.zlp ${WORK}/lossy.zlt)
if(NOT errors MATCHES "свои материалы" OR NOT errors MATCHES "--lossy" OR EXISTS ${WORK}/lossy.zlt)
    message(FATAL_ERROR "a lossy conversion was not refused as it should be: ${errors}")
endif()
run_cli(0 convert --lossy ${WORK}/own.zlp ${WORK}/lossy.zlt)
run_cli(0 calc ${WORK}/lossy.zlt)

# OUT never replaces IN; an unknown key of a newer program is named.
run_cli(1 convert ${WORK}/own.zlp ${WORK}/own.zlp)
file(WRITE ${WORK}/newer.zlp "${own}DefrostHeaterPowerPerFan = 3\n")
run_cli(1 convert ${WORK}/newer.zlp ${WORK}/newer.zlt)
if(NOT errors MATCHES "неизвестный параметр «DefrostHeaterPowerPerFan»")
    message(FATAL_ERROR "the unknown key is not named: ${errors}")
endif()
run_cli(2 convert ${WORK}/own.zlp)
