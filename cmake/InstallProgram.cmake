# kanalyx_install_program(<target>): installs a program into the programs' shared folder
# (KANALYX_INSTALL_PROGRAM_DIR, where it finds its side files and language library beside itself)
# and puts a relative link to it into the bin folder.
function(kanalyx_install_program target)
    install(TARGETS ${target} RUNTIME DESTINATION ${KANALYX_INSTALL_PROGRAM_DIR})
    set(name $<TARGET_FILE_NAME:${target}>)
    install(CODE "
        set(bin \"\$ENV{DESTDIR}${CMAKE_INSTALL_FULL_BINDIR}\")
        file(MAKE_DIRECTORY \"\${bin}\")
        file(RELATIVE_PATH link_target \"${CMAKE_INSTALL_FULL_BINDIR}\"
             \"${CMAKE_INSTALL_PREFIX}/${KANALYX_INSTALL_PROGRAM_DIR}/${name}\")
        message(STATUS \"Installing: \${bin}/${name} -> \${link_target}\")
        file(CREATE_LINK \"\${link_target}\" \"\${bin}/${name}\" SYMBOLIC)")
endfunction()
