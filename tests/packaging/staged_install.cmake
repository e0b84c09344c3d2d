# Installs BUILD_DIR into the staging folder STAGE (DESTDIR, prefix /usr), as the package is built,
# and fails unless every installed part is there and the staged zeltar-cli calculates every staged
# sample project.
file(REMOVE_RECURSE ${STAGE})
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
    OUTPUT_QUIET ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install ended with '${status}': ${errors}")
endif()
set(usr ${STAGE}/usr)

set(expected bin/zeltar-cli share/man/man1/zeltar-cli.1 share/doc/zeltar/method.md)
if(WITH_GUI)
    list(APPEND expected
        bin/zeltar
        share/man/man1/zeltar.1
        share/doc/zeltar/guide.html
        share/applications/org.zeltar.Zeltar.desktop
        share/metainfo/org.zeltar.Zeltar.metainfo.xml
        share/mime/packages/zeltar.xml
        share/icons/hicolor/scalable/apps/org.zeltar.Zeltar.svg)
endif()
foreach(path IN LISTS expected)
    if(NOT EXISTS ${usr}/${path})
        message(FATAL_ERROR "the install lacks /usr/${path}")
    endif()
endforeach()

# Both kinds of project file are file types of their own, and the window opens each.
if(WITH_GUI)
    file(READ ${usr}/share/mime/packages/zeltar.xml mime)
    file(READ ${usr}/share/applications/org.zeltar.Zeltar.desktop desktop)
    foreach(type_glob IN ITEMS "application/x-zeltar-project|zlt" "application/x-zeltar-own-project|zlp")
        string(REPLACE "|" ";" pair "${type_glob}")
        list(GET pair 0 type)
        list(GET pair 1 extension)
        # The type's own entry, up to its end, holds the glob.
        string(FIND "${mime}" "type=\"${type}\"" start)
        string(SUBSTRING "${mime}" ${start} -1 entry)
        string(FIND "${entry}" "</mime-type>" end)
        string(SUBSTRING "${entry}" 0 ${end} entry)
        string(FIND "${entry}" "<glob pattern=\"*.${extension}\"/>" glob)
        if(start EQUAL -1 OR glob EQUAL -1)
            message(FATAL_ERROR "zeltar.xml does not give *.${extension} the type ${type}")
        endif()
        if(NOT desktop MATCHES "MimeType=[^\n]*${type};")
            message(FATAL_ERROR "the desktop entry does not open ${type}")
        endif()
    endforeach()
endif()

# The user's guide links the method, which is installed beside it.
if(WITH_GUI)
    file(READ ${usr}/share/doc/zeltar/guide.html guide)
    if(NOT guide MATCHES "href=\"method.md\"")
        message(FATAL_ERROR "the installed guide does not link method.md beside it")
    endif()
endif()

# Each PNG rendering of the icon has the size its folder names (width and height in the PNG header).
if(WITH_GUI)
    foreach(size_px 48 128 256)
        set(png ${usr}/share/icons/hicolor/${size_px}x${size_px}/apps/org.zeltar.Zeltar.png)
        if(NOT EXISTS ${png})
            message(FATAL_ERROR "the install lacks the ${size_px} px icon ${png}")
        endif()
        file(READ ${png} header HEX LIMIT 24)
        string(SUBSTRING "${header}" 32 8 width_hex)
        string(SUBSTRING "${header}" 40 8 height_hex)
        math(EXPR width_px "0x${width_hex}")
        math(EXPR height_px "0x${height_hex}")
        if(NOT width_px EQUAL size_px OR NOT height_px EQUAL size_px)
            message(FATAL_ERROR "${png} is ${width_px} x ${height_px} px")
        endif()
    endforeach()
    # The metainfo, desktop entry and icons as a software centre finds them in the tree.
    execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net ${STAGE}
                    OUTPUT_VARIABLE report ERROR_VARIABLE report RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "appstreamcli validate-tree ended with '${status}':\n${report}")
    endif()
endif()

set(cli ${usr}/bin/zeltar-cli)
execute_process(COMMAND ${cli} --version OUTPUT_VARIABLE version_line RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT version_line STREQUAL "zeltar-cli ${VERSION}\n")
    message(FATAL_ERROR "zeltar-cli --version ended with '${status}' and printed '${version_line}'")
endif()

file(GLOB samples ${usr}/share/zeltar/samples/*.zlt ${usr}/share/zeltar/samples/*.zlp)
if(NOT samples)
    message(FATAL_ERROR "no sample project under /usr/share/zeltar/samples")
endif()
foreach(sample IN LISTS samples)
    execute_process(COMMAND ${cli} calc ${sample}
                    OUTPUT_VARIABLE results ERROR_VARIABLE errors RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT errors STREQUAL "" OR NOT results MATCHES "\nEquipmentCapacity\t  [0-9]")
        message(FATAL_ERROR "staged zeltar-cli calc ${sample} ended with '${status}': ${errors}\n${results}")
    endif()
endforeach()

# The report of a staged sample: the staged zeltar-cli finds whatever it needs to draw.
if(WITH_GUI)
    list(GET samples 0 sample)
    set(pdf ${STAGE}/report.pdf)
    execute_process(COMMAND ${cli} report ${sample} ${pdf} ERROR_VARIABLE errors RESULT_VARIABLE status)
    file(READ ${pdf} pdf_start HEX LIMIT 4)
    if(NOT status EQUAL 0 OR NOT pdf_start STREQUAL "25504446") # %PDF
        message(FATAL_ERROR "staged zeltar-cli report ${sample} ended with '${status}': ${errors}")
    endif()
endif()
