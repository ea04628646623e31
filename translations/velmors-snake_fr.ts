<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <extracomment>The game&apos;s name: window title and menu entry. &quot;Velmor&quot; is a person&apos;s name.</extracomment>
        <translation>Le serpent de Velmor</translation>
    </message>
    <message>
        <source>Start!</source>
        <extracomment>The button that starts a game: short, it must fit a 100-pixel-wide button.</extracomment>
        <translation>Démarrer&#x202f;!</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <extracomment>Read by a screen reader on the button; &quot;Start!&quot; as on the button.</extracomment>
        <translation>Appuyez sur «&#xa0;Démarrer&#x202f;!&#xa0;» pour jouer, puis dirigez le serpent avec les touches fléchées. Il grandit à chaque repas&#x202f;; seul le mur met fin à la partie.</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <extracomment>Screen reader, when a game starts.</extracomment>
        <translation>
            <numerusform>Le serpent part vers la gauche, long de %n segment.</numerusform>
            <numerusform>Le serpent part vers la gauche, long de %n segments.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading right, %n pieces long.</source>
        <translation>
            <numerusform>Le serpent part vers la droite, long de %n segment.</numerusform>
            <numerusform>Le serpent part vers la droite, long de %n segments.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading up, %n pieces long.</source>
        <translation>
            <numerusform>Le serpent part vers le haut, long de %n segment.</numerusform>
            <numerusform>Le serpent part vers le haut, long de %n segments.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading down, %n pieces long.</source>
        <translation>
            <numerusform>Le serpent part vers le bas, long de %n segment.</numerusform>
            <numerusform>Le serpent part vers le bas, long de %n segments.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A meal: the snake is %n pieces long.</source>
        <extracomment>Screen reader, after the snake eats.</extracomment>
        <translation>
            <numerusform>Un repas&#xa0;: le serpent mesure maintenant %n segment.</numerusform>
            <numerusform>Un repas&#xa0;: le serpent mesure maintenant %n segments.</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <extracomment>The game-over message&apos;s first line.</extracomment>
        <translation>Perdu&#x202f;!</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <extracomment>The game-over message&apos;s second line, below a blank one (no full stop).</extracomment>
        <translation>
            <numerusform>Votre serpent mesurait %n segment</numerusform>
            <numerusform>Votre serpent mesurait %n segments</numerusform>
        </translation>
    </message>
</context>
</TS>
