# One interface target carries the warning flags for every target of the project.
add_library(kanalyx_warnings INTERFACE)
target_compile_options(kanalyx_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wcast-qual -Wnon-virtual-dtor -Woverloaded-virtual
    $<$<BOOL:${KANALYX_WERROR}>:-Werror>)
# GCC 12 reports overlapping copies inside std::string that cannot happen when a string literal
# is added to a string at -O2 (GCC bug 105329); it would fail every optimised build.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(kanalyx_warnings INTERFACE -Wno-restrict)
endif()
