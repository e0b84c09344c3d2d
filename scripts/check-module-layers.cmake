# Fails when a source file includes a module above its own. The modules, from the ground up:
#   refdata < files < fields < plan < model < calc < projectfile < app < report < object < the Qt shells
# A core module may include its own and lower modules only; the Qt shells (src/*/qt/) and the
# command-line programs (cli/) stand above every core module, and no core file includes a Qt shell.
#   cmake -P scripts/check-module-layers.cmake       (src/ and cli/ of this source tree)
#   cmake -DFILES="src/calc/a.cpp;..." -DEXPECT_FINDINGS=N -P scripts/check-module-layers.cmake
#       (checks the check; FILES are named as they sit in the tree, relative to SOURCE_ROOT)
set(layers refdata files fields plan model calc projectfile app report object)
list(LENGTH layers top_layer)

get_filename_component(source_dir ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
if(NOT SOURCE_ROOT)
    set(SOURCE_ROOT ${source_dir})
endif()
if(NOT FILES)
    file(GLOB_RECURSE files RELATIVE ${SOURCE_ROOT} ${SOURCE_ROOT}/src/*.h ${SOURCE_ROOT}/src/*.cpp
         ${SOURCE_ROOT}/cli/*.h ${SOURCE_ROOT}/cli/*.cpp)
else()
    set(files ${FILES})
endif()
if(NOT files)
    message(FATAL_ERROR "no source files to check under ${SOURCE_ROOT}")
endif()

# The level of a file: its module's place in the order; Qt shells and cli stand above all.
function(level_of path out_var)
    if(path MATCHES "^cli/" OR path MATCHES "^src/[a-z]+/qt/")
        set(${out_var} ${top_layer} PARENT_SCOPE)
        return()
    endif()
    if(NOT path MATCHES "^src/([a-z]+)/")
        set(${out_var} -1 PARENT_SCOPE)
        return()
    endif()
    list(FIND layers ${CMAKE_MATCH_1} level)
    set(${out_var} ${level} PARENT_SCOPE)
endfunction()

set(findings 0)
foreach(source IN LISTS files)
    level_of(${source} own_level)
    if(own_level EQUAL -1)
        math(EXPR findings "${findings} + 1")
        message("${source}: in no module of the order (${layers}); add its folder to the order")
        continue()
    endif()
    file(STRINGS ${SOURCE_ROOT}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS includes)
        if(NOT line MATCHES "\"([a-z]+)/([^\"]*)\"")
            continue() # a file beside this one
        endif()
        level_of("src/${CMAKE_MATCH_1}/${CMAKE_MATCH_2}" included_level)
        if(included_level EQUAL -1)
            continue() # not one of our modules
        endif()
        if(included_level GREATER own_level)
            math(EXPR findings "${findings} + 1")
            message("${source}: includes a higher module: ${line}")
        endif()
    endforeach()
endforeach()

include(${CMAKE_CURRENT_LIST_DIR}/source-check-verdict.cmake)
source_check_verdict(${findings} "includes point up the module order (${layers}, then the Qt shells and cli)")
