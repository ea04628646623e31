<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <extracomment>The game&apos;s name: window title and menu entry. &quot;Velmor&quot; is a person&apos;s name.</extracomment>
        <translation>Velmors slang</translation>
    </message>
    <message>
        <source>Start!</source>
        <extracomment>The button that starts a game: short, it must fit a 100-pixel-wide button.</extracomment>
        <translation>Start!</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <extracomment>Read by a screen reader on the button; &quot;Start!&quot; as on the button.</extracomment>
        <translation>Druk op ‘Start!’ om te spelen en bestuur de slang daarna met de pijltjestoetsen. Hij groeit bij elke maaltijd; alleen de muur maakt een einde aan het spel.</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <extracomment>Screen reader, when a game starts.</extracomment>
        <translation>
            <numerusform>De slang vertrekt naar links, %n stukje lang.</numerusform>
            <numerusform>De slang vertrekt naar links, %n stukjes lang.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading right, %n pieces long.</source>
        <translation>
            <numerusform>De slang vertrekt naar rechts, %n stukje lang.</numerusform>
            <numerusform>De slang vertrekt naar rechts, %n stukjes lang.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading up, %n pieces long.</source>
        <translation>
            <numerusform>De slang vertrekt naar boven, %n stukje lang.</numerusform>
            <numerusform>De slang vertrekt naar boven, %n stukjes lang.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading down, %n pieces long.</source>
        <translation>
            <numerusform>De slang vertrekt naar beneden, %n stukje lang.</numerusform>
            <numerusform>De slang vertrekt naar beneden, %n stukjes lang.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A meal: the snake is %n pieces long.</source>
        <extracomment>Screen reader, after the snake eats.</extracomment>
        <translation>
            <numerusform>Een hapje: de slang is nu %n stukje lang.</numerusform>
            <numerusform>Een hapje: de slang is nu %n stukjes lang.</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <extracomment>The game-over message&apos;s first line.</extracomment>
        <translation>Je hebt verloren!</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <extracomment>The game-over message&apos;s second line, below a blank one (no full stop).</extracomment>
        <translation>
            <numerusform>Je slang was %n stukje lang</numerusform>
            <numerusform>Je slang was %n stukjes lang</numerusform>
        </translation>
    </message>
</context>
</TS>
