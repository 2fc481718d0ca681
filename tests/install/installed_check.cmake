# Installs a build into an empty prefix and runs the installed trelkin-cli `check` through its link in bin/,
# from a working directory without data files: the program must find them next to its real executable.
# Usage: cmake -DBUILD_DIR=<build directory> -DWORK_DIR=<scratch directory> -P installed_check.cmake
foreach(variable IN ITEMS BUILD_DIR WORK_DIR)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "${variable} is not set")
    endif()
endforeach()

set(prefix ${WORK_DIR}/prefix)
set(elsewhere ${WORK_DIR}/elsewhere)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${elsewhere})

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)

foreach(program IN ITEMS trelkin trelkin-cli)
    set(link ${prefix}/bin/${program})
    if(NOT IS_SYMLINK ${link})
        message(FATAL_ERROR "${link} is not a link")
    endif()
    file(READ_SYMLINK ${link} target)
    # A relative link keeps working when the installed tree moves, as a package's root does.
    if(IS_ABSOLUTE ${target})
        message(FATAL_ERROR "${link} points to the absolute path ${target}")
    endif()
endforeach()

execute_process(COMMAND ${prefix}/bin/trelkin-cli check
    WORKING_DIRECTORY ${elsewhere}
    RESULT_VARIABLE status
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "trelkin-cli check exited with ${status}:\n${output}${errors}")
endif()
foreach(expected_line IN ITEMS
        "prepare\\.dat: [0-9]+ recipes"
        "guard\\.dat: [0-9]+ skill rows, [0-9/]+ pieces"
        "weapon\\.dat: [0-9]+ weapons")
    if(NOT output MATCHES "(^|\n)${expected_line}\n")
        message(FATAL_ERROR "trelkin-cli check printed no line like \"${expected_line}\":\n${output}")
    endif()
endforeach()
message(STATUS "Installed trelkin-cli check:\n${output}")
