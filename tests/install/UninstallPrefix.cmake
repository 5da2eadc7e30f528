# SPDX-FileCopyrightText: 2026 the Tavrin developers
# SPDX-License-Identifier: MIT

# cmake -DBUILD=<build folder> -DPREFIX=<folder> -DUNINSTALL=<Uninstall.cmake> -P UninstallPrefix.cmake:
# installs the build into a fresh PREFIX, removes it again as the uninstall
# target does, and fails unless PREFIX holds no file afterwards.
if(NOT BUILD OR NOT PREFIX OR NOT UNINSTALL)
    message(FATAL_ERROR "usage: cmake -DBUILD=<build folder> -DPREFIX=<folder> -DUNINSTALL=<Uninstall.cmake> -P UninstallPrefix.cmake")
endif()
set(manifest ${PREFIX}-manifest/install_manifest.txt)
execute_process(COMMAND ${CMAKE_COMMAND} -DBUILD=${BUILD} -DPREFIX=${PREFIX} -DMANIFEST=${manifest}
        -P ${CMAKE_CURRENT_LIST_DIR}/InstallPrefix.cmake
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "installing into ${PREFIX} failed")
endif()
file(GLOB_RECURSE installed LIST_DIRECTORIES false ${PREFIX}/*)
list(LENGTH installed count)
if(count EQUAL 0)
    message(FATAL_ERROR "nothing was installed into ${PREFIX}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -DMANIFEST=${manifest} -P ${UNINSTALL}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "uninstalling from ${PREFIX} failed")
endif()
file(GLOB_RECURSE left LIST_DIRECTORIES false ${PREFIX}/*)
if(left)
    list(JOIN left "\n  " left)
    message(FATAL_ERROR "uninstalling left files behind:\n  ${left}")
endif()
