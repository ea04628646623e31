<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <translation>Velmor&apos;un Yılanı</translation>
    </message>
    <message>
        <source>Start!</source>
        <translation>Başla!</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <translation>Oynamak için “Başla!” düğmesine basın, ardından yılanı ok tuşlarıyla yönlendirin. Yılan her yemekte büyür; oyunu yalnızca duvar bitirir.</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <translation>
            <numerusform>Yılan sola doğru yola çıkıyor, %n parça uzunluğunda.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading right, %n pieces long.</source>
        <translation>
            <numerusform>Yılan sağa doğru yola çıkıyor, %n parça uzunluğunda.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading up, %n pieces long.</source>
        <translation>
            <numerusform>Yılan yukarı doğru yola çıkıyor, %n parça uzunluğunda.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading down, %n pieces long.</source>
        <translation>
            <numerusform>Yılan aşağı doğru yola çıkıyor, %n parça uzunluğunda.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A meal: the snake is %n pieces long.</source>
        <translation>
            <numerusform>Yem yendi: yılan artık %n parça uzunluğunda.</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>Kaybettiniz!</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <translation>
            <numerusform>Yılanınız %n parça uzunluğundaydı</numerusform>
        </translation>
    </message>
</context>
</TS>
