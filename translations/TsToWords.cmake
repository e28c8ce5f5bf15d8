# Turns a Qt Linguist translation file into the table of busquery_query's fixed words, so the
# libraries without Qt speak the same translation the window loads as a .qm file.
#   cmake -DTS=busquery_en.ts -DOUT=EnglishWords.cpp -DFUNCTION=englishWords -P TsToWords.cmake
# Unfinished, vanished and obsolete messages are left out: their texts stay Chinese, as in Qt.

file(READ "${TS}" ts)
# CMake lists split at ";" and keep "[...]" together; neither may reach the list steps below.
string(REPLACE ";" "@SEMICOLON@" ts "${ts}")
string(REPLACE "[" "@OPEN@" ts "${ts}")
string(REPLACE "]" "@CLOSE@" ts "${ts}")

# The text between two tags as a C++ string literal's contents.
function(literal text out)
    string(REPLACE "\\" "\\\\" text "${text}")
    string(REPLACE "\"" "\\\"" text "${text}")
    string(REPLACE "\n" "\\n" text "${text}")
    string(REPLACE "&quot@SEMICOLON@" "\\\"" text "${text}")
    string(REPLACE "&apos@SEMICOLON@" "'" text "${text}")
    string(REPLACE "&lt@SEMICOLON@" "<" text "${text}")
    string(REPLACE "&gt@SEMICOLON@" ">" text "${text}")
    string(REPLACE "&amp@SEMICOLON@" "&" text "${text}")
    string(REPLACE "@SEMICOLON@" "\\073" text "${text}")
    string(REPLACE "@OPEN@" "[" text "${text}")
    string(REPLACE "@CLOSE@" "]" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(rows "")
string(REPLACE "</context>" ";" contexts "${ts}")
foreach(context IN LISTS contexts)
    if(NOT context MATCHES "<name>([^<]*)</name>")
        continue()
    endif()
    literal("${CMAKE_MATCH_1}" name)
    string(REPLACE "</message>" ";" messages "${context}")
    foreach(message IN LISTS messages)
        if(NOT message MATCHES "<source>([^<]*)</source>")
            continue()
        endif()
        literal("${CMAKE_MATCH_1}" source)
        if(message MATCHES "<translation[^>]*type=\"(unfinished|vanished|obsolete)\"")
            continue()
        endif()
        if(message MATCHES "<numerusform")
            string(REGEX MATCHALL "<numerusform[^>]*>[^<]*</numerusform>" forms "${message}")
            set(translation "")
            foreach(form IN LISTS forms)
                string(REGEX REPLACE "<numerusform[^>]*>([^<]*)</numerusform>" "\\1" form "${form}")
                literal("${form}" form)
                if(NOT translation STREQUAL "")
                    string(APPEND translation "\\036")
                endif()
                string(APPEND translation "${form}")
            endforeach()
        elseif(message MATCHES "<translation[^>]*>([^<]*)</translation>")
            literal("${CMAKE_MATCH_1}" translation)
        else()
            continue()
        endif()
        if(translation STREQUAL "")
            continue()
        endif()
        string(APPEND rows "    {\"${name}\", \"${source}\", \"${translation}\"},\n")
    endforeach()
endforeach()

get_filename_component(ts_name "${TS}" NAME)
file(WRITE "${OUT}" "// Generated from ${ts_name} by TsToWords.cmake; edit the .ts file.
#include \"query/TranslatedWord.h\"

namespace busquery {
namespace {
constexpr TranslatedWord kWords[] = {
${rows}};
}  // namespace

std::span<const TranslatedWord> ${FUNCTION}() { return kWords; }

}  // namespace busquery
")
