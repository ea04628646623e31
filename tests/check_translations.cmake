# cmake -DSOURCE_DIR=... -DMSGFMT=... -DDESKTOP=<built template> -DMETAINFO=<built metainfo>
#       -P check_translations.cmake
# Every language of po/LINGUAS: its .po file passes msgfmt's checks with every text of the
# template translated and none fuzzy or obsolete; the built desktop entry and metainfo carry
# every translatable text in it. (The window's texts, with their plural forms, are checked at
# run time by tst_window.)
file(STRINGS ${SOURCE_DIR}/po/LINGUAS languages REGEX "^[^#]")
file(STRINGS ${SOURCE_DIR}/po/velmors-snake.pot texts REGEX "^msgid \"")
list(LENGTH texts texts)
math(EXPR texts "${texts} - 1")  # the header's empty msgid
file(READ ${DESKTOP} desktop)
file(READ ${METAINFO} metainfo)
string(REGEX MATCHALL "\n(Name|GenericName|Comment|Keywords)=" desktop_texts "${desktop}")
string(REGEX MATCHALL "<(name|summary|p|keyword)>" metainfo_texts "${metainfo}")
list(LENGTH desktop_texts desktop_texts)
list(LENGTH metainfo_texts metainfo_texts)

set(faults "")
foreach(language IN LISTS languages)
    file(STRINGS ${SOURCE_DIR}/po/${language}.po obsolete REGEX "^#~")
    if(obsolete)
        string(APPEND faults "${language}.po: texts no longer in the sources (#~)\n")
    endif()
    execute_process(COMMAND ${MSGFMT} --check --statistics -o /dev/null
            ${SOURCE_DIR}/po/${language}.po
        RESULT_VARIABLE status ERROR_VARIABLE report)
    if(NOT status EQUAL 0 OR NOT report MATCHES "^${texts} translated messages\\.\n$")
        string(APPEND faults "${language}.po: ${report}")
    endif()
    string(REGEX MATCHALL "\n[A-Za-z]+\\[${language}\\]=" found "${desktop}")
    list(LENGTH found found)
    if(NOT found EQUAL desktop_texts)
        string(APPEND faults "desktop entry: ${found} of ${desktop_texts} texts in ${language}\n")
    endif()
endforeach()
# The metainfo's languages go by their BCP 47 tags, which gettext 0.23 (Debian 13) makes of
# the .po files' names (pt-BR, and its own for Chinese): counted, not named.
string(REGEX MATCHALL "xml:lang=\"[^\"]+\"" tags "${metainfo}")
list(LENGTH tags found)
list(REMOVE_DUPLICATES tags)
list(LENGTH tags found_languages)
list(LENGTH languages count)
math(EXPR wanted "${count} * ${metainfo_texts}")
if(NOT found EQUAL wanted OR NOT found_languages EQUAL count)
    string(APPEND faults "metainfo: ${found} texts in ${found_languages} languages, "
        "not ${metainfo_texts} in each of ${count}\n")
endif()
if(faults)
    message(FATAL_ERROR "${faults}")
endif()
message(STATUS "${count} languages, ${texts} texts each in po/")
