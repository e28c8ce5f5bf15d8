cmake_minimum_required(VERSION 3.25)
# Fails when a file includes a header of a layer that the architecture table does not let its
# layer build on: in src/, in tests/ and in bench/. The libraries' link dependencies keep the
# code from linking upwards; this keeps headers from reaching up or sideways too.
# Run as: cmake -DROOT=<project source dir> -P CheckLayers.cmake
#
# The table: what each layer builds on directly. A layer of the engine may also use what those
# build on; the window and the CLI reach the engine through query only (the CLI also runs the
# importers). text is the base of every layer, the window and the CLI included: it holds the one
# UTF-8 reader, which every layer reads text with.
set(uses_text "")
set(uses_store text)
set(uses_network store)
set(uses_search network)
set(uses_route network)
set(uses_query search route)
set(uses_gtfs store text)
set(uses_sample store text)
set(uses_gui query)
set(uses_cli query gtfs sample)
set(layers text store network search route query gtfs sample gui cli)
set(boundaries gui cli)

foreach(layer IN LISTS layers)
    set(allowed ${layer} text ${uses_${layer}})
    if(NOT layer IN_LIST boundaries)
        set(pending ${uses_${layer}})
        while(pending)
            list(POP_FRONT pending below)
            foreach(next IN LISTS uses_${below})
                if(NOT next IN_LIST allowed)
                    list(APPEND allowed ${next})
                    list(APPEND pending ${next})
                endif()
            endforeach()
        endwhile()
    endif()
    set(allowed_${layer} ${allowed})
endforeach()

# Tests of a layer use what the layer may, the tests' own helpers (support: temporary folders,
# small cities, the sample city; reference: the statement-by-statement answers, which render
# through the query layer) and nothing above. The helpers and the benchmarks sit below the window
# and the CLI; the fuzz targets may drive the CLI's request reader, the window's benchmarks the
# window.
set(engine text store network search route query gtfs sample)
set(allowed_tests_support support reference ${engine})
set(allowed_tests_reference ${allowed_tests_support})
set(allowed_tests_fuzz fuzz support reference ${engine} cli)
set(allowed_bench support reference ${engine})
set(allowed_bench_ui ${allowed_bench} gui)

function(check_folder folder allowed)
    file(GLOB files ${folder}/*.h ${folder}/*.cpp)
    foreach(file IN LISTS files)
        file(STRINGS ${file} includes REGEX "^#include \"[a-z]+/")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" target "${line}")
            if(NOT target IN_LIST allowed)
                set(violations ${violations} "${file}: ${line}" PARENT_SCOPE)
                set(violations ${violations} "${file}: ${line}")
            endif()
        endforeach()
    endforeach()
endfunction()

set(violations "")
foreach(layer IN LISTS layers)
    check_folder(${ROOT}/src/${layer} "${allowed_${layer}}")
    check_folder(${ROOT}/tests/${layer} "${allowed_${layer}};support;reference")
endforeach()
foreach(helper support reference fuzz)
    check_folder(${ROOT}/tests/${helper} "${allowed_tests_${helper}}")
endforeach()
check_folder(${ROOT}/bench "${allowed_bench}")
check_folder(${ROOT}/bench/ui "${allowed_bench_ui}")

if(violations)
    list(LENGTH violations count)
    foreach(violation IN LISTS violations)
        message(NOTICE "${violation}")
    endforeach()
    message(FATAL_ERROR "${count} includes above are from a layer the file's layer does not build on")
endif()
