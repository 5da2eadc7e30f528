# SPDX-FileCopyrightText: 2026 the Tavrin developers
# SPDX-License-Identifier: MIT

# cmake -DMANIFEST=<install_manifest.txt> -P Uninstall.cmake: removes every
# file the manifest lists (under $DESTDIR when that is set, as the install
# wrote them). Folders are left, since others may share them.
if(NOT MANIFEST)
    message(FATAL_ERROR "usage: cmake -DMANIFEST=<install_manifest.txt> -P Uninstall.cmake")
endif()
if(NOT EXISTS "${MANIFEST}")
    message(FATAL_ERROR "Nothing to uninstall: ${MANIFEST} does not exist (install first)")
endif()
file(STRINGS "${MANIFEST}" files)
foreach(file IN LISTS files)
    set(path "$ENV{DESTDIR}${file}")
    if(IS_SYMLINK "${path}" OR EXISTS "${path}")
        if(IS_DIRECTORY "${path}" AND NOT IS_SYMLINK "${path}")
            message(FATAL_ERROR "Not removing ${path}: it is a folder")
        endif()
        message(STATUS "Removing ${path}")
        file(REMOVE "${path}")
        if(IS_SYMLINK "${path}" OR EXISTS "${path}")
            message(FATAL_ERROR "Could not remove ${path}")
        endif()
    else()
        message(STATUS "Already gone: ${path}")
    endif()
endforeach()
