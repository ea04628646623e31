<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <extracomment>The game&apos;s name: window title and menu entry. &quot;Velmor&quot; is a person&apos;s name.</extracomment>
        <translation>Velmorov had</translation>
    </message>
    <message>
        <source>Start!</source>
        <extracomment>The button that starts a game: short, it must fit a 100-pixel-wide button.</extracomment>
        <translation>Štart!</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <extracomment>Read by a screen reader on the button; &quot;Start!&quot; as on the button.</extracomment>
        <translation>Stlačením „Štart!“ spustíte hru, potom hada ovládajte klávesmi so šípkami. Had rastie s každým jedlom; hru ukončí iba náraz do steny.</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <extracomment>Screen reader, when a game starts.</extracomment>
        <translation>
            <numerusform>Had vyráža doľava a má %n článok.</numerusform>
            <numerusform>Had vyráža doľava a má %n články.</numerusform>
            <numerusform>Had vyráža doľava a má %n článkov.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading right, %n pieces long.</source>
        <translation>
            <numerusform>Had vyráža doprava a má %n článok.</numerusform>
            <numerusform>Had vyráža doprava a má %n články.</numerusform>
            <numerusform>Had vyráža doprava a má %n článkov.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading up, %n pieces long.</source>
        <translation>
            <numerusform>Had vyráža nahor a má %n článok.</numerusform>
            <numerusform>Had vyráža nahor a má %n články.</numerusform>
            <numerusform>Had vyráža nahor a má %n článkov.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading down, %n pieces long.</source>
        <translation>
            <numerusform>Had vyráža nadol a má %n článok.</numerusform>
            <numerusform>Had vyráža nadol a má %n články.</numerusform>
            <numerusform>Had vyráža nadol a má %n článkov.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A meal: the snake is %n pieces long.</source>
        <extracomment>Screen reader, after the snake eats.</extracomment>
        <translation>
            <numerusform>Had sa najedol a teraz má %n článok.</numerusform>
            <numerusform>Had sa najedol a teraz má %n články.</numerusform>
            <numerusform>Had sa najedol a teraz má %n článkov.</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <extracomment>The game-over message&apos;s first line.</extracomment>
        <translation>Prehrali ste!</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <extracomment>The game-over message&apos;s second line, below a blank one (no full stop).</extracomment>
        <translation>
            <numerusform>Váš had mal %n článok</numerusform>
            <numerusform>Váš had mal %n články</numerusform>
            <numerusform>Váš had mal %n článkov</numerusform>
        </translation>
    </message>
</context>
</TS>
