<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr" sourcelanguage="en">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <extracomment>The game&apos;s name: window title and menu entry. &quot;Velmor&quot; is a person&apos;s name.</extracomment>
        <translation>Velmorova zmija</translation>
    </message>
    <message>
        <source>Start!</source>
        <extracomment>The button that starts a game: short, it must fit a 100-pixel-wide button.</extracomment>
        <translation>Kreni!</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <extracomment>Read by a screen reader on the button; &quot;Start!&quot; as on the button.</extracomment>
        <translation>Pritisnite „Kreni!” za igru, a zatim upravljajte zmijom tipkama sa strelicama. Raste sa svakim obrokom; igru završava samo zid.</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <extracomment>Screen reader, when a game starts.</extracomment>
        <translation>
            <numerusform>Zmija kreće ulijevo i ima %n dio.</numerusform>
            <numerusform>Zmija kreće ulijevo i ima %n dijela.</numerusform>
            <numerusform>Zmija kreće ulijevo i ima %n dijelova.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading right, %n pieces long.</source>
        <translation>
            <numerusform>Zmija kreće udesno i ima %n dio.</numerusform>
            <numerusform>Zmija kreće udesno i ima %n dijela.</numerusform>
            <numerusform>Zmija kreće udesno i ima %n dijelova.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading up, %n pieces long.</source>
        <translation>
            <numerusform>Zmija kreće nagore i ima %n dio.</numerusform>
            <numerusform>Zmija kreće nagore i ima %n dijela.</numerusform>
            <numerusform>Zmija kreće nagore i ima %n dijelova.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading down, %n pieces long.</source>
        <translation>
            <numerusform>Zmija kreće nadolje i ima %n dio.</numerusform>
            <numerusform>Zmija kreće nadolje i ima %n dijela.</numerusform>
            <numerusform>Zmija kreće nadolje i ima %n dijelova.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A meal: the snake is %n pieces long.</source>
        <extracomment>Screen reader, after the snake eats.</extracomment>
        <translation>
            <numerusform>Obrok: zmija sada ima %n dio.</numerusform>
            <numerusform>Obrok: zmija sada ima %n dijela.</numerusform>
            <numerusform>Obrok: zmija sada ima %n dijelova.</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <extracomment>The game-over message&apos;s first line.</extracomment>
        <translation>Izgubili ste!</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <extracomment>The game-over message&apos;s second line, below a blank one (no full stop).</extracomment>
        <translation>
            <numerusform>Vaša je zmija imala %n dio</numerusform>
            <numerusform>Vaša je zmija imala %n dijela</numerusform>
            <numerusform>Vaša je zmija imala %n dijelova</numerusform>
        </translation>
    </message>
</context>
</TS>
