<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gd" sourcelanguage="en">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <extracomment>The game&apos;s name: window title and menu entry. &quot;Velmor&quot; is a person&apos;s name.</extracomment>
        <translation>Nathair Velmor</translation>
    </message>
    <message>
        <source>Start!</source>
        <extracomment>The button that starts a game: short, it must fit a 100-pixel-wide button.</extracomment>
        <translation>Tòisich!</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <extracomment>Read by a screen reader on the button; &quot;Start!&quot; as on the button.</extracomment>
        <translation>Brùth air “Tòisich!” airson cluich, an uairsin stiùir an nathair le iuchraichean nan saighead. Fàsaidh i le gach greim bìdh; chan eil ach am balla a’ cur crìoch air a’ gheama.</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <extracomment>Screen reader, when a game starts.</extracomment>
        <translation>
            <numerusform>Falbhaidh an nathair gu clì is i %n phìos a dh’fhad.</numerusform>
            <numerusform>Falbhaidh an nathair gu clì is i %n phìos a dh’fhad.</numerusform>
            <numerusform>Falbhaidh an nathair gu clì is i %n pìosan a dh’fhad.</numerusform>
            <numerusform>Falbhaidh an nathair gu clì is i %n pìos a dh’fhad.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading right, %n pieces long.</source>
        <translation>
            <numerusform>Falbhaidh an nathair gu deas is i %n phìos a dh’fhad.</numerusform>
            <numerusform>Falbhaidh an nathair gu deas is i %n phìos a dh’fhad.</numerusform>
            <numerusform>Falbhaidh an nathair gu deas is i %n pìosan a dh’fhad.</numerusform>
            <numerusform>Falbhaidh an nathair gu deas is i %n pìos a dh’fhad.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading up, %n pieces long.</source>
        <translation>
            <numerusform>Falbhaidh an nathair suas is i %n phìos a dh’fhad.</numerusform>
            <numerusform>Falbhaidh an nathair suas is i %n phìos a dh’fhad.</numerusform>
            <numerusform>Falbhaidh an nathair suas is i %n pìosan a dh’fhad.</numerusform>
            <numerusform>Falbhaidh an nathair suas is i %n pìos a dh’fhad.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading down, %n pieces long.</source>
        <translation>
            <numerusform>Falbhaidh an nathair sìos is i %n phìos a dh’fhad.</numerusform>
            <numerusform>Falbhaidh an nathair sìos is i %n phìos a dh’fhad.</numerusform>
            <numerusform>Falbhaidh an nathair sìos is i %n pìosan a dh’fhad.</numerusform>
            <numerusform>Falbhaidh an nathair sìos is i %n pìos a dh’fhad.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A meal: the snake is %n pieces long.</source>
        <extracomment>Screen reader, after the snake eats.</extracomment>
        <translation>
            <numerusform>Greim bìdh: tha an nathair %n phìos a dh’fhad a-nis.</numerusform>
            <numerusform>Greim bìdh: tha an nathair %n phìos a dh’fhad a-nis.</numerusform>
            <numerusform>Greim bìdh: tha an nathair %n pìosan a dh’fhad a-nis.</numerusform>
            <numerusform>Greim bìdh: tha an nathair %n pìos a dh’fhad a-nis.</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <extracomment>The game-over message&apos;s first line.</extracomment>
        <translation>Chaill thu!</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <extracomment>The game-over message&apos;s second line, below a blank one (no full stop).</extracomment>
        <translation>
            <numerusform>Bha an nathair agad %n phìos a dh’fhad</numerusform>
            <numerusform>Bha an nathair agad %n phìos a dh’fhad</numerusform>
            <numerusform>Bha an nathair agad %n pìosan a dh’fhad</numerusform>
            <numerusform>Bha an nathair agad %n pìos a dh’fhad</numerusform>
        </translation>
    </message>
</context>
</TS>
