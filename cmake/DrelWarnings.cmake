# Warnings are errors in our own code; third-party headers come in as system includes.
function(drel_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Werror
        -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        # GCC 12 reports std::string copies as overlapping at -O2/-O3 (its bug 105329).
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
endfunction()

# One core library per subsystem folder.
function(drel_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINK" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_LINK})
    drel_warnings(${name})
endfunction()
