# cmake -DBUILD=<build folder> -DPREFIX=<folder> -P InstallPrefix.cmake:
# installs the build into PREFIX, emptied first, as `cmake --install` does it
# for a user.
if(NOT BUILD OR NOT PREFIX)
    message(FATAL_ERROR "usage: cmake -DBUILD=<build folder> -DPREFIX=<folder> -P InstallPrefix.cmake")
endif()
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install ${BUILD} --prefix ${PREFIX} failed: ${result}")
endif()
