<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <extracomment>The game&apos;s name: window title and menu entry. &quot;Velmor&quot; is a person&apos;s name.</extracomment>
        <translation>Velmorův had</translation>
    </message>
    <message>
        <source>Start!</source>
        <extracomment>The button that starts a game: short, it must fit a 100-pixel-wide button.</extracomment>
        <translation>Start!</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <extracomment>Read by a screen reader on the button; &quot;Start!&quot; as on the button.</extracomment>
        <translation>Stisknutím „Start!“ začnete hrát, pak hada řiďte šipkami. S každým soustem vyroste; hru ukončí jedině zeď.</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <extracomment>Screen reader, when a game starts.</extracomment>
        <translation>
            <numerusform>Had vyráží doleva a je dlouhý %n článek.</numerusform>
            <numerusform>Had vyráží doleva a je dlouhý %n články.</numerusform>
            <numerusform>Had vyráží doleva a je dlouhý %n článků.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading right, %n pieces long.</source>
        <translation>
            <numerusform>Had vyráží doprava a je dlouhý %n článek.</numerusform>
            <numerusform>Had vyráží doprava a je dlouhý %n články.</numerusform>
            <numerusform>Had vyráží doprava a je dlouhý %n článků.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading up, %n pieces long.</source>
        <translation>
            <numerusform>Had vyráží nahoru a je dlouhý %n článek.</numerusform>
            <numerusform>Had vyráží nahoru a je dlouhý %n články.</numerusform>
            <numerusform>Had vyráží nahoru a je dlouhý %n článků.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading down, %n pieces long.</source>
        <translation>
            <numerusform>Had vyráží dolů a je dlouhý %n článek.</numerusform>
            <numerusform>Had vyráží dolů a je dlouhý %n články.</numerusform>
            <numerusform>Had vyráží dolů a je dlouhý %n článků.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A meal: the snake is %n pieces long.</source>
        <extracomment>Screen reader, after the snake eats.</extracomment>
        <translation>
            <numerusform>Sousto: had je teď dlouhý %n článek.</numerusform>
            <numerusform>Sousto: had je teď dlouhý %n články.</numerusform>
            <numerusform>Sousto: had je teď dlouhý %n článků.</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <extracomment>The game-over message&apos;s first line.</extracomment>
        <translation>Prohráli jste!</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <extracomment>The game-over message&apos;s second line, below a blank one (no full stop).</extracomment>
        <translation>
            <numerusform>Váš had byl dlouhý %n článek</numerusform>
            <numerusform>Váš had byl dlouhý %n články</numerusform>
            <numerusform>Váš had byl dlouhý %n článků</numerusform>
        </translation>
    </message>
</context>
</TS>
