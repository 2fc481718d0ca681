# The program reads its data files from its own directory, so the executables and the data files are installed
# together in one directory and reached on the PATH through relative links, which keep working if the whole
# tree moves. The program follows such a link to its real directory (through /proc/self/exe).
include(GNUInstallDirs)
# Not CMAKE_INSTALL_LIBDIR: under /usr that is the multiarch directory of shared libraries.
set(TRELKIN_INSTALL_PROGRAM_DIR lib/trelkin)
set(trelkin_installed_programs trelkin trelkin-cli)

install(TARGETS ${trelkin_installed_programs} RUNTIME DESTINATION ${TRELKIN_INSTALL_PROGRAM_DIR})
get_property(trelkin_installed_data_files GLOBAL PROPERTY TRELKIN_DATA_FILES)
install(FILES ${trelkin_installed_data_files} DESTINATION ${TRELKIN_INSTALL_PROGRAM_DIR})

# The links are made in the build tree and installed as links.
set(trelkin_link_dir ${CMAKE_BINARY_DIR}/install_links)
file(MAKE_DIRECTORY ${trelkin_link_dir})
file(RELATIVE_PATH trelkin_link_path /${CMAKE_INSTALL_BINDIR} /${TRELKIN_INSTALL_PROGRAM_DIR})
foreach(program IN LISTS trelkin_installed_programs)
    file(CREATE_LINK ${trelkin_link_path}/${program} ${trelkin_link_dir}/${program} SYMBOLIC)
    install(FILES ${trelkin_link_dir}/${program} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()
