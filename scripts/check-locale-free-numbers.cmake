# Fails when a source file formats or parses numbers with the C library's locale-dependent means:
# printf-family calls with a floating-point conversion, strtod/strtof/strtold/atof, the std::sto*
# floating-point conversions, or string streams. Under a comma locale (QApplication sets the
# user's locale) they read and write "12,5" where the program expects "12.5".
#   cmake -P scripts/check-locale-free-numbers.cmake       (src/ and cli/ of this source tree)
#   cmake -DFILES="a.cpp;b.cpp" -DEXPECT_FINDINGS=N -P scripts/check-locale-free-numbers.cmake  (checks the check)
set(float_conversion "%[-+ #0]*[0-9*]*(\\.[0-9*]*)?(hh|h|ll|l|L|q|j|z|t)?[eEfFgGaA]")
set(printf_call "printf[ \t]*\\(")
set(banned_call "(^|[^A-Za-z0-9_])(strtod|strtof|strtold|atof|stod|stof|stold)[ \t]*\\(")
set(stream_class "stringstream|<sstream>")

if(NOT FILES)
    set(ROOTS src cli)
endif()
get_filename_component(source_dir ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)

set(files ${FILES})
foreach(root IN LISTS ROOTS)
    file(GLOB_RECURSE found ${source_dir}/${root}/*.cpp ${source_dir}/${root}/*.h ${source_dir}/${root}/*.hpp
         ${source_dir}/${root}/*.cc)
    list(APPEND files ${found})
endforeach()
if(NOT files)
    message(FATAL_ERROR "no source files to check under ${source_dir}")
endif()

set(findings 0)
foreach(source IN LISTS files)
    file(STRINGS ${source} lines)
    set(number 0)
    foreach(line IN LISTS lines)
        math(EXPR number "${number} + 1")
        set(why "")
        if(line MATCHES "${printf_call}" AND line MATCHES "${float_conversion}")
            set(why "printf-family call with a floating-point conversion")
        elseif(line MATCHES "${banned_call}")
            set(why "${CMAKE_MATCH_2} reads numbers in the C locale")
        elseif(line MATCHES "${stream_class}")
            set(why "string streams format numbers in the stream's locale")
        endif()
        if(why)
            math(EXPR findings "${findings} + 1")
            message("${source}:${number}: ${why}: ${line}")
        endif()
    endforeach()
endforeach()

include(${CMAKE_CURRENT_LIST_DIR}/source-check-verdict.cmake)
source_check_verdict(${findings} "locale-dependent number conversions; use std::to_chars/std::from_chars or the number text routines")
