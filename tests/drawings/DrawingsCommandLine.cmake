# SPDX-FileCopyrightText: 2026 the Tavrin developers
# SPDX-License-Identifier: MIT

# cmake -DPROGRAM=<tavrin-drawings> -DFOLDER=<folder> -DVERSION=<version> -P DrawingsCommandLine.cmake:
# runs tavrin-drawings in the emptied FOLDER with each command line below and
# checks its status, its output and what it left in FOLDER.
cmake_minimum_required(VERSION 3.25)
if(NOT PROGRAM OR NOT FOLDER OR NOT VERSION)
    message(FATAL_ERROR "usage: cmake -DPROGRAM=<tavrin-drawings> -DFOLDER=<folder> -DVERSION=<version> -P DrawingsCommandLine.cmake")
endif()

# Each case: name|arguments (comma-separated)|status|stdout starts with|stderr holds|files
# and folders left (colon-separated)
set(cases
    "help|--help|0|usage: tavrin-drawings FOLDER||"
    "short help|-h|0|usage: tavrin-drawings FOLDER||"
    "version|--version|0|tavrin-drawings ${VERSION}\n||"
    "short version|-v|0|tavrin-drawings ${VERSION}\n||"
    "unknown option|--frobnicate|2||--frobnicate|"
    "unknown option with a folder|-x,out|2||-x|"
    "no folder||2||usage: tavrin-drawings FOLDER|"
    "two folders|a,b|2||give one FOLDER|"
    "a folder|out|0|||out:out/sheet0.png:out/sheet12.png:out/sheet3.png:out/sheet4.png"
    "a folder named like an option, after --|--,--help|0|||--help:--help/sheet0.png:--help/sheet12.png:--help/sheet3.png:--help/sheet4.png")

set(failed FALSE)
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" fields "${case}")
    list(GET fields 0 name)
    list(GET fields 1 arguments)
    list(GET fields 2 status)
    list(GET fields 3 want_out)
    list(GET fields 4 want_err)
    list(GET fields 5 want_files)
    string(REPLACE "," ";" arguments "${arguments}")
    string(REPLACE ":" ";" want_files "${want_files}")

    file(REMOVE_RECURSE ${FOLDER})
    file(MAKE_DIRECTORY ${FOLDER})
    execute_process(COMMAND ${PROGRAM} ${arguments} WORKING_DIRECTORY ${FOLDER}
        RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    file(GLOB_RECURSE left LIST_DIRECTORIES true RELATIVE ${FOLDER} ${FOLDER}/*)
    list(SORT left)
    list(SORT want_files)

    set(problems "")
    if(NOT result STREQUAL status)
        string(APPEND problems " status ${result}, not ${status};")
    endif()
    if(want_out)
        string(FIND "${out}" "${want_out}" at)
        if(NOT at EQUAL 0)
            string(APPEND problems " stdout does not start with \"${want_out}\";")
        endif()
    elseif(out)
        string(APPEND problems " stdout not empty;")
    endif()
    if(want_err)
        string(FIND "${err}" "${want_err}" at)
        if(at EQUAL -1)
            string(APPEND problems " stderr does not name \"${want_err}\";")
        endif()
    elseif(err)
        string(APPEND problems " stderr not empty;")
    endif()
    if(NOT "${left}" STREQUAL "${want_files}")
        string(APPEND problems " left [${left}], not [${want_files}];")
    endif()
    if(problems)
        message(SEND_ERROR "${name} (${arguments}):${problems}\nstdout: ${out}\nstderr: ${err}")
        set(failed TRUE)
    endif()
endforeach()
file(REMOVE_RECURSE ${FOLDER})
if(failed)
    message(FATAL_ERROR "tavrin-drawings answers its command line wrongly")
endif()
