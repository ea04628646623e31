<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <extracomment>The game&apos;s name: window title and menu entry. &quot;Velmor&quot; is a person&apos;s name.</extracomment>
        <translation>La serpiente de Velmor</translation>
    </message>
    <message>
        <source>Start!</source>
        <extracomment>The button that starts a game: short, it must fit a 100-pixel-wide button.</extracomment>
        <translation>¡Empezar!</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <extracomment>Read by a screen reader on the button; &quot;Start!&quot; as on the button.</extracomment>
        <translation>Pulsa «¡Empezar!» para jugar y luego dirige la serpiente con las teclas de flecha. Crece con cada comida; solo el muro termina la partida.</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <extracomment>Screen reader, when a game starts.</extracomment>
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
        <extracomment>Screen reader, after the snake eats.</extracomment>
        <translation>
            <numerusform>Una comida: la serpiente ya mide %n segmento.</numerusform>
            <numerusform>Una comida: la serpiente ya mide %n segmentos.</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <extracomment>The game-over message&apos;s first line.</extracomment>
        <translation>¡Has perdido!</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <extracomment>The game-over message&apos;s second line, below a blank one (no full stop).</extracomment>
        <translation>
            <numerusform>Tu serpiente medía %n segmento</numerusform>
            <numerusform>Tu serpiente medía %n segmentos</numerusform>
        </translation>
    </message>
</context>
</TS>
