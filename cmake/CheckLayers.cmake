# Fails the build when a source includes a header of a folder its library may not use, or when a
# source of the core includes a Qt header: the core must build and run without Qt, so that the
# command-line tool and the tests need no display and no Qt.
# Called with -DSOURCES=<target=absolute path;...>.
cmake_minimum_required(VERSION 3.25)

# The folders each library may include, its own among them.
set(allowed_kanalyx_platform platform)
set(allowed_kanalyx_model platform model)
set(allowed_kanalyx_document platform model document)
set(allowed_kanalyx_views platform model document views)
set(allowed_kanalyx_dialogs platform model document dialogs)
set(allowed_kanalyx_gui_common platform gui)
set(allowed_kanalyx_view_widgets platform model document views gui)
set(allowed_kanalyx_dialog_widgets platform model document dialogs gui)
set(allowed_kanalyx_app platform model document views dialogs gui app)
set(core_targets kanalyx_platform kanalyx_model kanalyx_document kanalyx_views kanalyx_dialogs)

set(faults "")
foreach(entry IN LISTS SOURCES)
    string(REPLACE "=" ";" parts "${entry}")
    list(GET parts 0 target)
    list(GET parts 1 source)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
        if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([a-z]+)/")
            set(folder "${CMAKE_MATCH_1}")
            if(NOT folder IN_LIST allowed_${target})
                string(APPEND faults "\n  ${source} (${target}) includes ${folder}/: ${line}")
            endif()
        elseif(target IN_LIST core_targets AND line MATCHES "[<\"](Q[A-Za-z]|qt)")
            string(APPEND faults "\n  ${source} is core code but includes Qt: ${line}")
        endif()
    endforeach()
endforeach()
if(faults)
    message(FATAL_ERROR "Includes that run against the layers:${faults}")
endif()
