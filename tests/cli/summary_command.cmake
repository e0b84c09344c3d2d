# zeltar-cli summary of an object file (rooms listed relative to it, one missing, one with a
# display name) in json, csv and text, with the options from the file and from the command line;
# and of loose project files.
# -DCLI=zeltar-cli -DDATA=reference-projects folder -DWORK=scratch folder
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(RELATIVE_PATH data_from_work ${WORK} ${DATA})
set(object ${WORK}/склад.zlo)
file(WRITE ${object} "ZELTAR-OBJECT 1
name = Склад \"Север\"
level-boundary = -5
simultaneity = 0,9
room = ${data_from_work}/p0001.zlt
room-name = Экспедиция
room = ${data_from_work}/p0002.zlt
room = нет.zlt
room = ${data_from_work}/p0009.zlt
")

function(run_summary out_var expected_status)
    execute_process(COMMAND ${CLI} summary ${ARGN} OUTPUT_VARIABLE output ERROR_VARIABLE errors
                    RESULT_VARIABLE status)
    if(NOT status EQUAL expected_status)
        message(FATAL_ERROR "summary ${ARGN} ended with ${status}: ${errors}")
    endif()
    set(${out_var} "${output}" PARENT_SCOPE)
    set(${out_var}_errors "${errors}" PARENT_SCOPE)
endfunction()

function(expect_json document expected)
    string(JSON actual GET "${document}" ${ARGN})
    if(NOT actual STREQUAL expected)
        message(FATAL_ERROR "summary json ${ARGN}: '${actual}' instead of '${expected}':\n${document}")
    endif()
endfunction()

# The missing room is named on stderr, left out of the sums and counted.
run_summary(json 1 --format json ${object})
if(NOT json_errors MATCHES "«${WORK}/нет.zlt» не найден")
    message(FATAL_ERROR "summary does not name the missing room: ${json_errors}")
endif()
expect_json("${json}" "Склад \"Север\"" object)
if(NOT json MATCHES "\n \"boundary\": -5,\n \"factor\": 0.9,\n")
    message(FATAL_ERROR "summary json options:\n${json}")
endif()
expect_json("${json}" "Экспедиция" rooms 0 name)
expect_json("${json}" "среднетемпературные" rooms 0 level)
expect_json("${json}" "11,84" rooms 0 results TotalHeatGain)
expect_json("${json}" "${data_from_work}/p0002.zlt" rooms 1 file)
expect_json("${json}" "низкотемпературные" rooms 1 level)
expect_json("${json}" "нет" rooms 2 name)
string(JSON missing_level TYPE "${json}" rooms 2 level)
if(NOT missing_level STREQUAL "NULL")
    message(FATAL_ERROR "summary json: the level of a missing room is ${missing_level}, not null")
endif()
expect_json("${json}" "2" levels 1 rooms)           # p0002 at -20 °C and p0009 at -7,7 °C
expect_json("${json}" "1277,11" levels 1 TotalHeatGain) # 1265,03 + 12,08
expect_json("${json}" "1504,72" levels 1 EquipmentCapacity)
expect_json("${json}" "1354,25" levels 1 PlantCapacity) # 1504,72… × 0,9, cut
expect_json("${json}" "итого по объекту" total name)
expect_json("${json}" "3" total rooms)
expect_json("${json}" "1" total excluded)
expect_json("${json}" "1288,96" total TotalHeatGain) # full values, not 11,84 + 1277,11

# Options from the command line win over the file's.
run_summary(json 1 --format json --boundary -20 --factor 0.5 ${object})
if(NOT json MATCHES "\n \"boundary\": -20,\n \"factor\": 0.5,\n")
    message(FATAL_ERROR "summary json options from the command line:\n${json}")
endif()
expect_json("${json}" "3" levels 0 rooms) # -20 °C is at the boundary: medium
expect_json("${json}" "761,04" total PlantCapacity) # 1522,09 × 0,5, cut

# csv (CMake reads its CR LF as LF): one line per room, a blank line, then the levels; the object name in quotes where needed.
run_summary(csv 1 --format csv ${object})
string(REPLACE ";" "|" csv "${csv}")
if(NOT csv MATCHES "^file\\|Number\\|Name\\|RoomType\\|RoomTemperature\\|RoomArea\\|RoomVolume\\|SummaryQ1\\|SummaryQ12\\|SummaryQ2\\|SummaryQ3\\|SummaryQ4\\|SummaryQ5\\|TotalHeatGain\\|EquipmentRunningHours\\|EquipmentCapacity\\|Level\\|Note\n"
   OR NOT csv MATCHES "\n${data_from_work}/p0001.zlt\\|1\\|Экспедиция\\|свой вариант\\|0\\|444,22\\|"
   OR NOT csv MATCHES "\nнет.zlt\\|3\\|нет\\|\\|"
   OR NOT csv MATCHES "\n\nlevel\\|rooms\\|excluded\\|TotalHeatGain\\|EquipmentCapacity\\|PlantCapacity\n"
   OR NOT csv MATCHES "\nитого по объекту\\|3\\|1\\|1288,96\\|")
    message(FATAL_ERROR "summary csv:\n${csv}")
endif()

# text: the table and the level lines.
run_summary(text 1 ${object})
if(NOT text MATCHES "Объект: Склад \"Север\"\n" OR NOT text MATCHES "\n3  нет +не загружена: "
   OR NOT text MATCHES "\nнизкотемпературные: камер 2; Q сум. 1277,11 кВт"
   # the factor as it is entered and as the summary report prints it
   OR NOT text MATCHES "коэффициент одновременности 0,90\n")
    message(FATAL_ERROR "summary text:\n${text}")
endif()

# Loose project files, every one loaded: status 0.
run_summary(loose 0 --format json ${DATA}/p0001.zlt ${DATA}/p0005.zlt)
expect_json("${loose}" "p0005" rooms 1 name)
expect_json("${loose}" "1" levels 1 rooms)

# Usage errors: status 2. A refused object file: status 1.
foreach(usage "--factor;0,4;${object}" "--factor;1,5;${object}" "--boundary;warm;${object}"
        "${object};${DATA}/p0001.zlt" "--format;xml;${object}" "")
    execute_process(COMMAND ${CLI} summary ${usage} OUTPUT_QUIET ERROR_QUIET RESULT_VARIABLE status)
    if(NOT status EQUAL 2)
        message(FATAL_ERROR "summary '${usage}' ended with ${status} instead of 2")
    endif()
endforeach()
file(WRITE ${WORK}/bad.zlo "room = a.zlt\n")
run_summary(refused 1 ${WORK}/bad.zlo)
if(NOT refused_errors MATCHES "bad.zlo» не является файлом объекта")
    message(FATAL_ERROR "summary of a bad object file: ${refused_errors}")
endif()

# Warnings name the exact line: after a comment and a blank line, with CR LF line ends.
file(WRITE ${WORK}/lines.zlo "ZELTAR-OBJECT 1\r\n# комментарий\r\n\r\ncolour = red\r\nroom =\r\n")
run_summary(lines 0 ${WORK}/lines.zlo)
if(NOT lines_errors MATCHES "lines.zlo», строка 4: неизвестная строка «colour» пропущена\\.\n"
   OR NOT lines_errors MATCHES "lines.zlo», строка 5: пустой путь к файлу камеры пропущен\\.\n")
    message(FATAL_ERROR "summary warnings name other lines:\n${lines_errors}")
endif()
# Lines ended by CR alone: the line ends are named, not a «newer version».
file(WRITE ${WORK}/cr.zlo "ZELTAR-OBJECT 1\rroom = a.zlt\r")
run_summary(cr 1 ${WORK}/cr.zlo)
if(NOT cr_errors MATCHES "cr.zlo» не прочитан: его строки разделены одними знаками CR" OR cr_errors MATCHES "верси")
    message(FATAL_ERROR "summary of an object file with CR line ends: ${cr_errors}")
endif()

# Control characters in the names of the object, a room's file and the room never reach the
# terminal through text or csv (an escape sequence would retitle it); json escapes them.
string(ASCII 27 esc)
string(ASCII 7 bel)
file(COPY_FILE ${DATA}/p0001.zlt "${WORK}/a${esc}]0;x${bel}.zlt")
file(WRITE ${WORK}/hostile.zlo "ZELTAR-OBJECT 1\nname = Склад${esc}[2J\nroom = a${esc}]0;x${bel}.zlt\n"
                               "room = b${esc}.zlt\nroom-name = Имя${esc}[31m\n")
foreach(format text csv json)
    run_summary(hostile 1 --format ${format} ${WORK}/hostile.zlo)
    string(FIND "${hostile}${hostile_errors}" "${esc}" escape_at)
    string(FIND "${hostile}${hostile_errors}" "${bel}" bell_at)
    if(NOT escape_at EQUAL -1 OR NOT bell_at EQUAL -1 OR NOT hostile MATCHES "Имя")
        message(FATAL_ERROR "summary ${format} prints control characters:\n${hostile}\n${hostile_errors}")
    endif()
endforeach()
if(NOT hostile MATCHES "\"Склад\\\\u001b\\[2J\"")
    message(FATAL_ERROR "summary json does not escape the object's name:\n${hostile}")
endif()
file(REMOVE_RECURSE ${WORK})
