# Packs the plain demo sources into scrambled data files next to the executables,
# with the same code that `trelkin-cli pack` offers to people making data files.
set(TRELKIN_DEMO_DIR ${CMAKE_SOURCE_DIR}/data/demo)

function(trelkin_pack_data_file source output)
    cmake_parse_arguments(PACK "CP932" "" "" ${ARGN})
    set(options)
    if(PACK_CP932)
        list(APPEND options --cp932)
    endif()
    add_custom_command(
        OUTPUT ${TRELKIN_RUNTIME_DIR}/${output}
        COMMAND trelkin-cli pack ${options} ${TRELKIN_DEMO_DIR}/${source} ${TRELKIN_RUNTIME_DIR}/${output}
        DEPENDS trelkin-cli ${TRELKIN_DEMO_DIR}/${source}
        COMMENT "Packing ${source} into ${output}"
        VERBATIM)
    set_property(GLOBAL APPEND PROPERTY TRELKIN_DATA_FILES ${TRELKIN_RUNTIME_DIR}/${output})
endfunction()

trelkin_pack_data_file(prepare.txt prepare.dat CP932)
if(EXISTS ${TRELKIN_DEMO_DIR}/guard.xml)
    trelkin_pack_data_file(guard.xml guard.dat CP932)
endif()
if(EXISTS ${TRELKIN_DEMO_DIR}/weapon.xml)
    trelkin_pack_data_file(weapon.xml weapon.dat)
endif()

get_property(trelkin_data_files GLOBAL PROPERTY TRELKIN_DATA_FILES)
add_custom_target(trelkin_demo_data ALL DEPENDS ${trelkin_data_files})
