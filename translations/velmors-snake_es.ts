<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <translation>La serpiente de Velmor</translation>
    </message>
    <message>
        <source>Start!</source>
        <translation>¡Empezar!</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <translation>Pulsa «¡Empezar!» para jugar y luego dirige la serpiente con las teclas de flecha. Crece con cada comida; solo el muro termina la partida.</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <translation>
            <numerusform>La serpiente sale hacia la izquierda y mide %n segmento.</numerusform>
            <numerusform>La serpiente sale hacia la izquierda y mide %n segmentos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading right, %n pieces long.</source>
        <translation>
            <numerusform>La serpiente sale hacia la derecha y mide %n segmento.</numerusform>
            <numerusform>La serpiente sale hacia la derecha y mide %n segmentos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading up, %n pieces long.</source>
        <translation>
            <numerusform>La serpiente sale hacia arriba y mide %n segmento.</numerusform>
            <numerusform>La serpiente sale hacia arriba y mide %n segmentos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading down, %n pieces long.</source>
        <translation>
            <numerusform>La serpiente sale hacia abajo y mide %n segmento.</numerusform>
            <numerusform>La serpiente sale hacia abajo y mide %n segmentos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A meal: the snake is %n pieces long.</source>
        <translation>
            <numerusform>Una comida: la serpiente ya mide %n segmento.</numerusform>
            <numerusform>Una comida: la serpiente ya mide %n segmentos.</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>¡Has perdido!</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <translation>
            <numerusform>Tu serpiente medía %n segmento</numerusform>
            <numerusform>Tu serpiente medía %n segmentos</numerusform>
        </translation>
    </message>
</context>
</TS>
