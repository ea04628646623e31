<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <extracomment>The game&apos;s name: window title and menu entry. &quot;Velmor&quot; is a person&apos;s name.</extracomment>
        <translation>Змійка Вельмора</translation>
    </message>
    <message>
        <source>Start!</source>
        <extracomment>The button that starts a game: short, it must fit a 100-pixel-wide button.</extracomment>
        <translation>Старт!</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <extracomment>Read by a screen reader on the button; &quot;Start!&quot; as on the button.</extracomment>
        <translation>Натисніть «Старт!», щоб почати гру, а потім керуйте змійкою клавішами зі стрілками. Змійка росте з кожним частуванням; гра закінчується, лише якщо врізатися в стіну.</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <extracomment>Screen reader, when a game starts.</extracomment>
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
        <extracomment>Screen reader, after the snake eats.</extracomment>
        <translation>
            <numerusform>Змійка поїла, тепер її довжина — %n ланка.</numerusform>
            <numerusform>Змійка поїла, тепер її довжина — %n ланки.</numerusform>
            <numerusform>Змійка поїла, тепер її довжина — %n ланок.</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <extracomment>The game-over message&apos;s first line.</extracomment>
        <translation>Ви програли!</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <extracomment>The game-over message&apos;s second line, below a blank one (no full stop).</extracomment>
        <translation>
            <numerusform>Ваша змійка була завдовжки %n ланка</numerusform>
            <numerusform>Ваша змійка була завдовжки %n ланки</numerusform>
            <numerusform>Ваша змійка була завдовжки %n ланок</numerusform>
        </translation>
    </message>
</context>
</TS>
