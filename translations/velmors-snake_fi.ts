<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi" sourcelanguage="en">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <translation>Velmorin käärme</translation>
    </message>
    <message>
        <source>Start!</source>
        <translation>Aloita!</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <translation>Pelaa painamalla ”Aloita!” ja ohjaa sitten käärmettä nuolinäppäimillä. Käärme kasvaa jokaisesta ateriasta; vain seinä päättää pelin.</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <translation>
            <numerusform>Käärme lähtee liikkeelle vasemmalle %n palan mittaisena.</numerusform>
            <numerusform>Käärme lähtee liikkeelle vasemmalle %n palan mittaisena.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading right, %n pieces long.</source>
        <translation>
            <numerusform>Käärme lähtee liikkeelle oikealle %n palan mittaisena.</numerusform>
            <numerusform>Käärme lähtee liikkeelle oikealle %n palan mittaisena.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading up, %n pieces long.</source>
        <translation>
            <numerusform>Käärme lähtee liikkeelle ylöspäin %n palan mittaisena.</numerusform>
            <numerusform>Käärme lähtee liikkeelle ylöspäin %n palan mittaisena.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading down, %n pieces long.</source>
        <translation>
            <numerusform>Käärme lähtee liikkeelle alaspäin %n palan mittaisena.</numerusform>
            <numerusform>Käärme lähtee liikkeelle alaspäin %n palan mittaisena.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A meal: the snake is %n pieces long.</source>
        <translation>
            <numerusform>Ateria: käärme on nyt %n palan mittainen.</numerusform>
            <numerusform>Ateria: käärme on nyt %n palan mittainen.</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>Hävisit!</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <translation>
            <numerusform>Käärmeesi oli %n palan mittainen</numerusform>
            <numerusform>Käärmeesi oli %n palan mittainen</numerusform>
        </translation>
    </message>
</context>
</TS>
