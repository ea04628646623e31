# cmake -DTS=<file.ts> -P FillQtForms.cmake
# Where Qt's plural rules for a language have more forms than the language's own (Qt reads
# Khmer, which has one, with English's two), lconvert leaves Qt's extra forms empty, and Qt
# shows an empty form in English. Each empty form takes the one before it; tst_window checks
# every length against the language's own rule.
file(READ ${TS} ts)
set(empty "<numerusform>([^<]+)</numerusform>([ \t\r\n]*)<numerusform></numerusform>")
while(ts MATCHES "${empty}")
    string(REGEX REPLACE "${empty}"
        "<numerusform>\\1</numerusform>\\2<numerusform>\\1</numerusform>" ts "${ts}")
endwhile()
file(WRITE ${TS} "${ts}")
