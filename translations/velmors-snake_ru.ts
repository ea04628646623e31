<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <extracomment>The game&apos;s name: window title and menu entry. &quot;Velmor&quot; is a person&apos;s name.</extracomment>
        <translation>Змейка Вельмора</translation>
    </message>
    <message>
        <source>Start!</source>
        <extracomment>The button that starts a game: short, it must fit a 100-pixel-wide button.</extracomment>
        <translation>Старт!</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <extracomment>Read by a screen reader on the button; &quot;Start!&quot; as on the button.</extracomment>
        <translation>Нажмите «Старт!», чтобы начать игру, затем управляйте змейкой клавишами со стрелками. Змейка растёт с каждым угощением; игра заканчивается, только если врезаться в стену.</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <extracomment>Screen reader, when a game starts.</extracomment>
        <translation>
            <numerusform>Змейка ползёт влево, её длина — %n звено.</numerusform>
            <numerusform>Змейка ползёт влево, её длина — %n звена.</numerusform>
            <numerusform>Змейка ползёт влево, её длина — %n звеньев.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading right, %n pieces long.</source>
        <translation>
            <numerusform>Змейка ползёт вправо, её длина — %n звено.</numerusform>
            <numerusform>Змейка ползёт вправо, её длина — %n звена.</numerusform>
            <numerusform>Змейка ползёт вправо, её длина — %n звеньев.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading up, %n pieces long.</source>
        <translation>
            <numerusform>Змейка ползёт вверх, её длина — %n звено.</numerusform>
            <numerusform>Змейка ползёт вверх, её длина — %n звена.</numerusform>
            <numerusform>Змейка ползёт вверх, её длина — %n звеньев.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading down, %n pieces long.</source>
        <translation>
            <numerusform>Змейка ползёт вниз, её длина — %n звено.</numerusform>
            <numerusform>Змейка ползёт вниз, её длина — %n звена.</numerusform>
            <numerusform>Змейка ползёт вниз, её длина — %n звеньев.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A meal: the snake is %n pieces long.</source>
        <extracomment>Screen reader, after the snake eats.</extracomment>
        <translation>
            <numerusform>Змейка поела, теперь её длина — %n звено.</numerusform>
            <numerusform>Змейка поела, теперь её длина — %n звена.</numerusform>
            <numerusform>Змейка поела, теперь её длина — %n звеньев.</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <extracomment>The game-over message&apos;s first line.</extracomment>
        <translation>Вы проиграли!</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <extracomment>The game-over message&apos;s second line, below a blank one (no full stop).</extracomment>
        <translation>
            <numerusform>Ваша змейка была длиной %n звено</numerusform>
            <numerusform>Ваша змейка была длиной %n звена</numerusform>
            <numerusform>Ваша змейка была длиной %n звеньев</numerusform>
        </translation>
    </message>
</context>
</TS>
