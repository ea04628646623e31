<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg" sourcelanguage="en">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <extracomment>The game&apos;s name: window title and menu entry. &quot;Velmor&quot; is a person&apos;s name.</extracomment>
        <translation>Змията на Велмор</translation>
    </message>
    <message>
        <source>Start!</source>
        <extracomment>The button that starts a game: short, it must fit a 100-pixel-wide button.</extracomment>
        <translation>Старт!</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <extracomment>Read by a screen reader on the button; &quot;Start!&quot; as on the button.</extracomment>
        <translation>Натиснете „Старт!“, за да играете, после управлявайте змията с клавишите със стрелки. Тя расте с всяка хапка; само стената слага край на играта.</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <extracomment>Screen reader, when a game starts.</extracomment>
        <translation>
            <numerusform>Змията тръгва наляво, дълга %n част.</numerusform>
            <numerusform>Змията тръгва наляво, дълга %n части.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading right, %n pieces long.</source>
        <translation>
            <numerusform>Змията тръгва надясно, дълга %n част.</numerusform>
            <numerusform>Змията тръгва надясно, дълга %n части.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading up, %n pieces long.</source>
        <translation>
            <numerusform>Змията тръгва нагоре, дълга %n част.</numerusform>
            <numerusform>Змията тръгва нагоре, дълга %n части.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading down, %n pieces long.</source>
        <translation>
            <numerusform>Змията тръгва надолу, дълга %n част.</numerusform>
            <numerusform>Змията тръгва надолу, дълга %n части.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A meal: the snake is %n pieces long.</source>
        <extracomment>Screen reader, after the snake eats.</extracomment>
        <translation>
            <numerusform>Хапка: змията е дълга %n част.</numerusform>
            <numerusform>Хапка: змията е дълга %n части.</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <extracomment>The game-over message&apos;s first line.</extracomment>
        <translation>Загубихте!</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <extracomment>The game-over message&apos;s second line, below a blank one (no full stop).</extracomment>
        <translation>
            <numerusform>Змията ви беше дълга %n част</numerusform>
            <numerusform>Змията ви беше дълга %n части</numerusform>
        </translation>
    </message>
</context>
</TS>
