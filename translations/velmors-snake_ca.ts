<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="en">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <extracomment>The game&apos;s name: window title and menu entry. &quot;Velmor&quot; is a person&apos;s name.</extracomment>
        <translation>La serp d&apos;en Velmor</translation>
    </message>
    <message>
        <source>Start!</source>
        <extracomment>The button that starts a game: short, it must fit a 100-pixel-wide button.</extracomment>
        <translation>Comença!</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <extracomment>Read by a screen reader on the button; &quot;Start!&quot; as on the button.</extracomment>
        <translation>Premeu «Comença!» per a jugar i després dirigiu la serp amb les tecles de fletxa. Creix amb cada àpat; només la paret acaba la partida.</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <extracomment>Screen reader, when a game starts.</extracomment>
        <translation>
            <numerusform>La serp surt cap a l&apos;esquerra i fa %n segment de llarg.</numerusform>
            <numerusform>La serp surt cap a l&apos;esquerra i fa %n segments de llarg.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading right, %n pieces long.</source>
        <translation>
            <numerusform>La serp surt cap a la dreta i fa %n segment de llarg.</numerusform>
            <numerusform>La serp surt cap a la dreta i fa %n segments de llarg.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading up, %n pieces long.</source>
        <translation>
            <numerusform>La serp surt cap amunt i fa %n segment de llarg.</numerusform>
            <numerusform>La serp surt cap amunt i fa %n segments de llarg.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading down, %n pieces long.</source>
        <translation>
            <numerusform>La serp surt cap avall i fa %n segment de llarg.</numerusform>
            <numerusform>La serp surt cap avall i fa %n segments de llarg.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A meal: the snake is %n pieces long.</source>
        <extracomment>Screen reader, after the snake eats.</extracomment>
        <translation>
            <numerusform>Un àpat: la serp ja fa %n segment de llarg.</numerusform>
            <numerusform>Un àpat: la serp ja fa %n segments de llarg.</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <extracomment>The game-over message&apos;s first line.</extracomment>
        <translation>Heu perdut!</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <extracomment>The game-over message&apos;s second line, below a blank one (no full stop).</extracomment>
        <translation>
            <numerusform>La vostra serp feia %n segment de llarg</numerusform>
            <numerusform>La vostra serp feia %n segments de llarg</numerusform>
        </translation>
    </message>
</context>
</TS>
