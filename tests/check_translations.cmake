# cmake -DSOURCE_DIR=... -DMSGFMT=... -DMSGINIT=... -DCLDR=<Unicode CLDR data, or empty>
#       -DDESKTOP=<built template> -DMETAINFO=<built metainfo> -P check_translations.cmake
# Every language of po/LINGUAS: its .po file passes msgfmt's checks with every text of the
# template translated and none fuzzy or obsolete, with the plural rule gettext itself gives the
# language (where CLDR's data is at hand); the built desktop entry and metainfo carry every
# translatable text in it, the entry also under the locales that read another language's file. (The window's texts, with their
# plural forms, are checked at run time by tst_window.)
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
set(ENV{GETTEXTCLDRDIR} ${CLDR})  # msginit reads CLDR's rules from there
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
    # msginit's rule, from gettext's own table or Unicode's CLDR (its plural forms' order, too).
    # Where it has none it keeps the template's placeholder: the file's rule is the translator's.
    if(NOT CLDR)
        continue()
    endif()
    file(READ ${SOURCE_DIR}/po/${language}.po rule LIMIT 2000)
    execute_process(COMMAND ${MSGINIT} --no-translator -l ${language}
            -i ${SOURCE_DIR}/po/velmors-snake.pot -o -
        OUTPUT_VARIABLE gettext ERROR_QUIET)
    foreach(header rule gettext)  # the header's value, its lines joined
        string(REPLACE "\"\n\"" "" ${header} "${${header}}")
        string(REGEX MATCH "Plural-Forms: [^\\]*" ${header} "${${header}}")
    endforeach()
    if(NOT gettext MATCHES "INTEGER|^$" AND NOT rule STREQUAL gettext)
        string(APPEND faults "${language}.po: ${rule}, gettext says ${gettext}\n")
    endif()
endforeach()
# The desktop entry in every language, and under the names a desktop looks up that read another
# language's texts: Chinese of Macau and Singapore, and Norwegian.
foreach(language IN LISTS languages ITEMS zh_MO zh_SG no)
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
