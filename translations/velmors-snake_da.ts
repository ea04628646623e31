<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="en">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <extracomment>The game&apos;s name: window title and menu entry. &quot;Velmor&quot; is a person&apos;s name.</extracomment>
        <translation>Velmors slange</translation>
    </message>
    <message>
        <source>Start!</source>
        <extracomment>The button that starts a game: short, it must fit a 100-pixel-wide button.</extracomment>
        <translation>Start!</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <extracomment>Read by a screen reader on the button; &quot;Start!&quot; as on the button.</extracomment>
        <translation>Tryk på »Start!« for at spille, og styr derefter slangen med piletasterne. Den vokser for hvert måltid; kun muren afslutter spillet.</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <extracomment>Screen reader, when a game starts.</extracomment>
        <translation>
            <numerusform>Slangen sætter kursen mod venstre, %n led lang.</numerusform>
            <numerusform>Slangen sætter kursen mod venstre, %n led lang.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading right, %n pieces long.</source>
        <translation>
            <numerusform>Slangen sætter kursen mod højre, %n led lang.</numerusform>
            <numerusform>Slangen sætter kursen mod højre, %n led lang.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading up, %n pieces long.</source>
        <translation>
            <numerusform>Slangen sætter kursen opad, %n led lang.</numerusform>
            <numerusform>Slangen sætter kursen opad, %n led lang.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading down, %n pieces long.</source>
        <translation>
            <numerusform>Slangen sætter kursen nedad, %n led lang.</numerusform>
            <numerusform>Slangen sætter kursen nedad, %n led lang.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A meal: the snake is %n pieces long.</source>
        <extracomment>Screen reader, after the snake eats.</extracomment>
        <translation>
            <numerusform>Et måltid: Slangen er nu %n led lang.</numerusform>
            <numerusform>Et måltid: Slangen er nu %n led lang.</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <extracomment>The game-over message&apos;s first line.</extracomment>
        <translation>Du tabte!</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <extracomment>The game-over message&apos;s second line, below a blank one (no full stop).</extracomment>
        <translation>
            <numerusform>Din slange var %n led lang</numerusform>
            <numerusform>Din slange var %n led lang</numerusform>
        </translation>
    </message>
</context>
</TS>
