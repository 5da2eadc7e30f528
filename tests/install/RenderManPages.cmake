# SPDX-FileCopyrightText: 2026 the Tavrin developers
# SPDX-License-Identifier: MIT

# cmake "-DPAGES=<page>;<page>" -P RenderManPages.cmake: renders each manual
# page with mandoc and groff, warnings on, and fails on any message or status.
if(NOT PAGES)
    message(FATAL_ERROR "usage: cmake \"-DPAGES=<page>;...\" -P RenderManPages.cmake")
endif()
find_program(MANDOC mandoc)
find_program(GROFF groff)
if(NOT MANDOC OR NOT GROFF)
    message(FATAL_ERROR "mandoc and groff are needed (tools/install-deps.sh installs mandoc)")
endif()
set(failed FALSE)
foreach(page IN LISTS PAGES)
    execute_process(COMMAND ${MANDOC} -Tlint -Wwarning ${page}
        RESULT_VARIABLE mandoc_result OUTPUT_VARIABLE mandoc_out ERROR_VARIABLE mandoc_out)
    execute_process(COMMAND ${GROFF} -man -ww -z ${page}
        RESULT_VARIABLE groff_result OUTPUT_VARIABLE groff_out ERROR_VARIABLE groff_out)
    if(NOT mandoc_result EQUAL 0 OR mandoc_out)
        message(SEND_ERROR "mandoc -Tlint ${page} (${mandoc_result}):\n${mandoc_out}")
        set(failed TRUE)
    endif()
    if(NOT groff_result EQUAL 0 OR groff_out)
        message(SEND_ERROR "groff -man -ww ${page} (${groff_result}):\n${groff_out}")
        set(failed TRUE)
    endif()
endforeach()
if(failed)
    message(FATAL_ERROR "manual pages render with warnings")
endif()
