<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="en">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <translation>Velmors slange</translation>
    </message>
    <message>
        <source>Start!</source>
        <translation>Start!</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <translation>Tryk på »Start!« for at spille, og styr derefter slangen med piletasterne. Den vokser for hvert måltid; kun muren afslutter spillet.</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
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
        <translation>
            <numerusform>Et måltid: Slangen er nu %n led lang.</numerusform>
            <numerusform>Et måltid: Slangen er nu %n led lang.</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>Du tabte!</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <translation>
            <numerusform>Din slange var %n led lang</numerusform>
            <numerusform>Din slange var %n led lang</numerusform>
        </translation>
    </message>
</context>
</TS>
