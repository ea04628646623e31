<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="en">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <translation>Velmor kígyója</translation>
    </message>
    <message>
        <source>Start!</source>
        <translation>Indulás!</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <translation>A játékhoz nyomja meg az „Indulás!” gombot, majd irányítsa a kígyót a nyílbillentyűkkel. Minden falattal nő; csak a fal vet véget a játéknak.</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <translation>
            <numerusform>A kígyó balra indul, %n elem hosszú.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading right, %n pieces long.</source>
        <translation>
            <numerusform>A kígyó jobbra indul, %n elem hosszú.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading up, %n pieces long.</source>
        <translation>
            <numerusform>A kígyó felfelé indul, %n elem hosszú.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading down, %n pieces long.</source>
        <translation>
            <numerusform>A kígyó lefelé indul, %n elem hosszú.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A meal: the snake is %n pieces long.</source>
        <translation>
            <numerusform>Egy falat: a kígyó most %n elem hosszú.</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>Ön vesztett!</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <translation>
            <numerusform>A kígyója %n elem hosszú volt</numerusform>
        </translation>
    </message>
</context>
</TS>
