# One interface target carries the warning flags for every target of the project.
add_library(kanalyx_warnings INTERFACE)
target_compile_options(kanalyx_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wcast-qual -Wnon-virtual-dtor -Woverloaded-virtual
    $<$<BOOL:${KANALYX_WERROR}>:-Werror>)
