<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <extracomment>The game&apos;s name: window title and menu entry. &quot;Velmor&quot; is a person&apos;s name.</extracomment>
        <translation>Wąż Velmora</translation>
    </message>
    <message>
        <source>Start!</source>
        <extracomment>The button that starts a game: short, it must fit a 100-pixel-wide button.</extracomment>
        <translation>Start!</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <extracomment>Read by a screen reader on the button; &quot;Start!&quot; as on the button.</extracomment>
        <translation>Naciśnij „Start!”, aby zagrać, a potem kieruj wężem za pomocą klawiszy strzałek. Wąż rośnie z każdym posiłkiem; grę kończy tylko zderzenie ze ścianą.</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <extracomment>Screen reader, when a game starts.</extracomment>
        <translation>
            <numerusform>Wąż rusza w lewo i ma %n segment długości.</numerusform>
            <numerusform>Wąż rusza w lewo i ma %n segmenty długości.</numerusform>
            <numerusform>Wąż rusza w lewo i ma %n segmentów długości.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading right, %n pieces long.</source>
        <translation>
            <numerusform>Wąż rusza w prawo i ma %n segment długości.</numerusform>
            <numerusform>Wąż rusza w prawo i ma %n segmenty długości.</numerusform>
            <numerusform>Wąż rusza w prawo i ma %n segmentów długości.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading up, %n pieces long.</source>
        <translation>
            <numerusform>Wąż rusza w górę i ma %n segment długości.</numerusform>
            <numerusform>Wąż rusza w górę i ma %n segmenty długości.</numerusform>
            <numerusform>Wąż rusza w górę i ma %n segmentów długości.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading down, %n pieces long.</source>
        <translation>
            <numerusform>Wąż rusza w dół i ma %n segment długości.</numerusform>
            <numerusform>Wąż rusza w dół i ma %n segmenty długości.</numerusform>
            <numerusform>Wąż rusza w dół i ma %n segmentów długości.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A meal: the snake is %n pieces long.</source>
        <extracomment>Screen reader, after the snake eats.</extracomment>
        <translation>
            <numerusform>Posiłek: wąż ma teraz %n segment długości.</numerusform>
            <numerusform>Posiłek: wąż ma teraz %n segmenty długości.</numerusform>
            <numerusform>Posiłek: wąż ma teraz %n segmentów długości.</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <extracomment>The game-over message&apos;s first line.</extracomment>
        <translation>Przegrana!</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <extracomment>The game-over message&apos;s second line, below a blank one (no full stop).</extracomment>
        <translation>
            <numerusform>Twój wąż miał %n segment długości</numerusform>
            <numerusform>Twój wąż miał %n segmenty długości</numerusform>
            <numerusform>Twój wąż miał %n segmentów długości</numerusform>
        </translation>
    </message>
</context>
</TS>
