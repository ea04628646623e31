<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <extracomment>The game&apos;s name: window title and menu entry. &quot;Velmor&quot; is a person&apos;s name.</extracomment>
        <translation>Velmora čūska</translation>
    </message>
    <message>
        <source>Start!</source>
        <extracomment>The button that starts a game: short, it must fit a 100-pixel-wide button.</extracomment>
        <translation>Sākt!</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <extracomment>Read by a screen reader on the button; &quot;Start!&quot; as on the button.</extracomment>
        <translation>Nospied „Sākt!“, lai spēlētu, un tad vadi čūsku ar bulttaustiņiem. Ar katru maltīti tā kļūst garāka; spēle beidzas tikai tad, ja čūska ietriecas sienā.</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <extracomment>Screen reader, when a game starts.</extracomment>
        <translation>
            <numerusform>Čūska dodas ceļā pa kreisi, tās garums ir %n posms.</numerusform>
            <numerusform>Čūska dodas ceļā pa kreisi, tās garums ir %n posmi.</numerusform>
            <numerusform>Čūska dodas ceļā pa kreisi, tās garums ir %n posmu.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading right, %n pieces long.</source>
        <translation>
            <numerusform>Čūska dodas ceļā pa labi, tās garums ir %n posms.</numerusform>
            <numerusform>Čūska dodas ceļā pa labi, tās garums ir %n posmi.</numerusform>
            <numerusform>Čūska dodas ceļā pa labi, tās garums ir %n posmu.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading up, %n pieces long.</source>
        <translation>
            <numerusform>Čūska dodas ceļā uz augšu, tās garums ir %n posms.</numerusform>
            <numerusform>Čūska dodas ceļā uz augšu, tās garums ir %n posmi.</numerusform>
            <numerusform>Čūska dodas ceļā uz augšu, tās garums ir %n posmu.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading down, %n pieces long.</source>
        <translation>
            <numerusform>Čūska dodas ceļā uz leju, tās garums ir %n posms.</numerusform>
            <numerusform>Čūska dodas ceļā uz leju, tās garums ir %n posmi.</numerusform>
            <numerusform>Čūska dodas ceļā uz leju, tās garums ir %n posmu.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A meal: the snake is %n pieces long.</source>
        <extracomment>Screen reader, after the snake eats.</extracomment>
        <translation>
            <numerusform>Maltīte: čūskas garums tagad ir %n posms.</numerusform>
            <numerusform>Maltīte: čūskas garums tagad ir %n posmi.</numerusform>
            <numerusform>Maltīte: čūskas garums tagad ir %n posmu.</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <extracomment>The game-over message&apos;s first line.</extracomment>
        <translation>Tu zaudēji!</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <extracomment>The game-over message&apos;s second line, below a blank one (no full stop).</extracomment>
        <translation>
            <numerusform>Tavas čūskas garums bija %n posms</numerusform>
            <numerusform>Tavas čūskas garums bija %n posmi</numerusform>
            <numerusform>Tavas čūskas garums bija %n posmu</numerusform>
        </translation>
    </message>
</context>
</TS>
