# SPDX-License-Identifier: GPL-3.0-or-later
# Every fuzz target is a file fuzz/<name>.cpp with a seed corpus in fuzz/corpus/<name>/: the
# files themselves are the list, for the fuzz build and for the replay of the corpora alike.
file(GLOB ORBULON_FUZZ_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/fuzz/*.cpp)
set(ORBULON_FUZZ_TARGETS "")
foreach(source IN LISTS ORBULON_FUZZ_SOURCES)
    get_filename_component(name ${source} NAME_WE)
    list(APPEND ORBULON_FUZZ_TARGETS ${name})
endforeach()
set(ORBULON_FUZZ_DIR ${PROJECT_SOURCE_DIR}/fuzz)
