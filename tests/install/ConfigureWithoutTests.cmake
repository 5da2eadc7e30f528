# SPDX-FileCopyrightText: 2026 the Tavrin developers
# SPDX-License-Identifier: MIT

# cmake -DSOURCE=<source> -DFOLDER=<folder> -DGENERATOR=<generator> -P ConfigureWithoutTests.cmake:
# configures SOURCE afresh in FOLDER with BUILD_TESTING=OFF, where a search
# for GoogleTest or Qt Test is an error, and checks no test is defined.
if(NOT SOURCE OR NOT FOLDER OR NOT GENERATOR)
    message(FATAL_ERROR "usage: cmake -DSOURCE=<source> -DFOLDER=<folder> -DGENERATOR=<generator> -P ConfigureWithoutTests.cmake")
endif()
file(REMOVE_RECURSE ${FOLDER})
execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${FOLDER} -G ${GENERATOR}
        -DBUILD_TESTING=OFF
        -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON
        -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Test=ON
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "configuring with BUILD_TESTING=OFF failed:\n${output}")
endif()
if(EXISTS ${FOLDER}/tests)
    message(FATAL_ERROR "BUILD_TESTING=OFF still configures the tests")
endif()
file(STRINGS ${FOLDER}/CMakeCache.txt test_frameworks REGEX "^(GTest|Qt6Test)_DIR:")
if(test_frameworks)
    message(FATAL_ERROR "BUILD_TESTING=OFF still looks for ${test_frameworks}")
endif()
file(REMOVE_RECURSE ${FOLDER})
