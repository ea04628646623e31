<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <extracomment>The game&apos;s name: window title and menu entry. &quot;Velmor&quot; is a person&apos;s name.</extracomment>
        <translation>Il serpente di Velmor</translation>
    </message>
    <message>
        <source>Start!</source>
        <extracomment>The button that starts a game: short, it must fit a 100-pixel-wide button.</extracomment>
        <translation>Inizia!</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <extracomment>Read by a screen reader on the button; &quot;Start!&quot; as on the button.</extracomment>
        <translation>Premi «Inizia!» per giocare, poi guida il serpente con i tasti freccia. Cresce a ogni pasto; solo il muro pone fine alla partita.</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <extracomment>Screen reader, when a game starts.</extracomment>
        <translation>
            <numerusform>Il serpente parte verso sinistra, lungo %n segmento.</numerusform>
            <numerusform>Il serpente parte verso sinistra, lungo %n segmenti.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading right, %n pieces long.</source>
        <translation>
            <numerusform>Il serpente parte verso destra, lungo %n segmento.</numerusform>
            <numerusform>Il serpente parte verso destra, lungo %n segmenti.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading up, %n pieces long.</source>
        <translation>
            <numerusform>Il serpente parte verso l&apos;alto, lungo %n segmento.</numerusform>
            <numerusform>Il serpente parte verso l&apos;alto, lungo %n segmenti.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading down, %n pieces long.</source>
        <translation>
            <numerusform>Il serpente parte verso il basso, lungo %n segmento.</numerusform>
            <numerusform>Il serpente parte verso il basso, lungo %n segmenti.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A meal: the snake is %n pieces long.</source>
        <extracomment>Screen reader, after the snake eats.</extracomment>
        <translation>
            <numerusform>Un pasto: ora il serpente è lungo %n segmento.</numerusform>
            <numerusform>Un pasto: ora il serpente è lungo %n segmenti.</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <extracomment>The game-over message&apos;s first line.</extracomment>
        <translation>Hai perso!</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <extracomment>The game-over message&apos;s second line, below a blank one (no full stop).</extracomment>
        <translation>
            <numerusform>Il tuo serpente era lungo %n segmento</numerusform>
            <numerusform>Il tuo serpente era lungo %n segmenti</numerusform>
        </translation>
    </message>
</context>
</TS>
