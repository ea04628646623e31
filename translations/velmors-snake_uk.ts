<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <translation>Змійка Вельмора</translation>
    </message>
    <message>
        <source>Start!</source>
        <translation>Старт!</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <translation>Натисніть «Старт!», щоб почати гру, а потім керуйте змійкою клавішами зі стрілками. Змійка росте з кожним частуванням; гра закінчується, лише якщо врізатися в стіну.</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <translation>
            <numerusform>Змійка повзе ліворуч, її довжина — %n ланка.</numerusform>
            <numerusform>Змійка повзе ліворуч, її довжина — %n ланки.</numerusform>
            <numerusform>Змійка повзе ліворуч, її довжина — %n ланок.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading right, %n pieces long.</source>
        <translation>
            <numerusform>Змійка повзе праворуч, її довжина — %n ланка.</numerusform>
            <numerusform>Змійка повзе праворуч, її довжина — %n ланки.</numerusform>
            <numerusform>Змійка повзе праворуч, її довжина — %n ланок.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading up, %n pieces long.</source>
        <translation>
            <numerusform>Змійка повзе вгору, її довжина — %n ланка.</numerusform>
            <numerusform>Змійка повзе вгору, її довжина — %n ланки.</numerusform>
            <numerusform>Змійка повзе вгору, її довжина — %n ланок.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading down, %n pieces long.</source>
        <translation>
            <numerusform>Змійка повзе вниз, її довжина — %n ланка.</numerusform>
            <numerusform>Змійка повзе вниз, її довжина — %n ланки.</numerusform>
            <numerusform>Змійка повзе вниз, її довжина — %n ланок.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A meal: the snake is %n pieces long.</source>
        <translation>
            <numerusform>Змійка поїла, тепер її довжина — %n ланка.</numerusform>
            <numerusform>Змійка поїла, тепер її довжина — %n ланки.</numerusform>
            <numerusform>Змійка поїла, тепер її довжина — %n ланок.</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>Ви програли!</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <translation>
            <numerusform>Ваша змійка була завдовжки %n ланка</numerusform>
            <numerusform>Ваша змійка була завдовжки %n ланки</numerusform>
            <numerusform>Ваша змійка була завдовжки %n ланок</numerusform>
        </translation>
    </message>
</context>
</TS>
