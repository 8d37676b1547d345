# Fails the build when a source of the core library includes a Qt header: the core must build and
# run without Qt so that the command-line tool and the tests need no display and no Qt.
# Called with -DCORE_SOURCES=<list> (absolute paths).
foreach(source IN LISTS CORE_SOURCES)
    file(STRINGS "${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt)")
    if(lines)
        message(FATAL_ERROR "${source} includes a Qt header, but the core links no Qt:\n${lines}")
    endif()
endforeach()
