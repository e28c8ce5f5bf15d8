# Checks one step of the install (cmake -P): STEP is install, desktop_entry or metainfo.
cmake_minimum_required(VERSION 3.25)

function(fail)
    list(JOIN ARGN "" text)
    message(FATAL_ERROR "${text}")
endfunction()

# Width and height of a PNG, from its IHDR chunk.
function(png_size file out)
    file(READ ${file} header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 32 8 width)
    string(SUBSTRING "${header}" 40 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    set(${out} "${width}x${height}" PARENT_SCOPE)
endfunction()

if(STEP STREQUAL "install")
    file(REMOVE_RECURSE ${PREFIX})
    execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                    RESULT_VARIABLE status OUTPUT_QUIET)
    if(NOT status EQUAL 0)
        fail("cmake --install failed: ${status}")
    endif()

    set(expected bin/busquery-cli share/busquery/busdata)
    if(GUI)
        list(APPEND expected
             bin/busquery
             share/applications/${APP_ID}.desktop
             share/metainfo/${APP_ID}.metainfo.xml
             share/icons/hicolor/scalable/apps/${APP_ID}.svg)
        foreach(size 48 128 256)
            list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
        endforeach()
    endif()
    foreach(file IN LISTS expected)
        if(NOT EXISTS ${PREFIX}/${file})
            fail("not installed: ${file}")
        endif()
    endforeach()
    if(EXISTS ${PREFIX}/bin/busdata)
        fail("busdata installed beside the programs instead of the data folder")
    endif()

    if(GUI)
        foreach(size 48 128 256)
            png_size(${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png found)
            if(NOT found STREQUAL "${size}x${size}")
                fail("the ${size}x${size} icon is ${found}")
            endif()
        endforeach()
        # The menu entry starts the installed program under the installed icon's name.
        file(STRINGS ${PREFIX}/share/applications/${APP_ID}.desktop entry)
        foreach(line "Exec=busquery" "Icon=${APP_ID}")
            if(NOT line IN_LIST entry)
                fail("the desktop entry lacks ${line}")
            endif()
        endforeach()
    endif()

    # No busdata lies beside the installed CLI: it answers from the install's data folder.
    execute_process(COMMAND ${PREFIX}/bin/busquery-cli line 12
                    RESULT_VARIABLE status OUTPUT_VARIABLE answer ERROR_VARIABLE problem)
    if(NOT status EQUAL 0 OR NOT answer MATCHES "12路")
        fail("the installed busquery-cli did not answer from the installed busdata "
             "(status ${status}): ${problem}")
    endif()

elseif(STEP STREQUAL "desktop_entry")
    find_program(validate desktop-file-validate)
    if(NOT validate)
        message("SKIPPED: desktop-file-validate is not installed (desktop-file-utils)")
        return()
    endif()
    execute_process(COMMAND ${validate} ${PREFIX}/share/applications/${APP_ID}.desktop
                    RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
    if(NOT status EQUAL 0 OR NOT said STREQUAL "")
        fail("desktop-file-validate: ${said}")
    endif()

elseif(STEP STREQUAL "metainfo")
    find_program(appstreamcli appstreamcli)
    if(NOT appstreamcli)
        message("SKIPPED: appstreamcli is not installed (appstream)")
        return()
    endif()
    execute_process(COMMAND ${appstreamcli} validate --no-net
                            ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml
                    RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
    if(NOT status EQUAL 0)
        fail("appstreamcli validate: ${said}")
    endif()

else()
    fail("unknown STEP: ${STEP}")
endif()
