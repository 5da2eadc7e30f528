# SPDX-FileCopyrightText: 2026 the Tavrin developers
# SPDX-License-Identifier: MIT

# cmake -DBUILD=<build folder> -DPREFIX=<folder> -DMANIFEST=<file> -P InstallPrefix.cmake:
# installs the build into PREFIX, emptied first, as `cmake --install` does it
# for a user, and writes the list of installed files to MANIFEST. The build
# folder's own install_manifest.txt, the record of the user's last install
# that the uninstall target reads, is left as it was.
if(NOT BUILD OR NOT PREFIX OR NOT MANIFEST)
    message(FATAL_ERROR "usage: cmake -DBUILD=<build folder> -DPREFIX=<folder> -DMANIFEST=<file> -P InstallPrefix.cmake")
endif()
set(users_manifest ${BUILD}/install_manifest.txt)
set(users_hash none)
if(EXISTS ${users_manifest})
    file(SHA256 ${users_manifest} users_hash)
endif()

# The generated install script writes its manifest into the build folder; a
# copy of it beside MANIFEST writes it there instead, and installs the same.
file(READ ${BUILD}/cmake_install.cmake script)
string(REPLACE "\"${BUILD}/\${CMAKE_INSTALL_MANIFEST}\"" "\"${MANIFEST}\"" redirected "${script}")
if(redirected STREQUAL script)
    message(FATAL_ERROR "${BUILD}/cmake_install.cmake does not write its manifest where expected")
endif()
get_filename_component(scratch ${MANIFEST} DIRECTORY)
file(MAKE_DIRECTORY ${scratch})
file(WRITE ${MANIFEST}.cmake "${redirected}")

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} -DCMAKE_INSTALL_PREFIX=${PREFIX} -P ${MANIFEST}.cmake
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "installing ${BUILD} into ${PREFIX} failed: ${result}")
endif()

set(hash_after none)
if(EXISTS ${users_manifest})
    file(SHA256 ${users_manifest} hash_after)
endif()
if(NOT hash_after STREQUAL users_hash)
    message(FATAL_ERROR "installing into ${PREFIX} changed ${users_manifest}")
endif()
