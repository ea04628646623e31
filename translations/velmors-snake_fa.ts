<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa" sourcelanguage="en">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <extracomment>The game&apos;s name: window title and menu entry. &quot;Velmor&quot; is a person&apos;s name.</extracomment>
        <translation>مار ولمور</translation>
    </message>
    <message>
        <source>Start!</source>
        <extracomment>The button that starts a game: short, it must fit a 100-pixel-wide button.</extracomment>
        <translation>شروع!</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <extracomment>Read by a screen reader on the button; &quot;Start!&quot; as on the button.</extracomment>
        <translation>برای بازی «شروع!» را بزنید، سپس مار را با کلیدهای جهت‌نما هدایت کنید. مار با هر وعده غذا بزرگ‌تر می‌شود؛ فقط دیوار بازی را تمام می‌کند.</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <extracomment>Screen reader, when a game starts.</extracomment>
        <translation>
            <numerusform>مار به سمت چپ راه می‌افتد و %n تکه طول دارد.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading right, %n pieces long.</source>
        <translation>
            <numerusform>مار به سمت راست راه می‌افتد و %n تکه طول دارد.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading up, %n pieces long.</source>
        <translation>
            <numerusform>مار به سمت بالا راه می‌افتد و %n تکه طول دارد.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading down, %n pieces long.</source>
        <translation>
            <numerusform>مار به سمت پایین راه می‌افتد و %n تکه طول دارد.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A meal: the snake is %n pieces long.</source>
        <extracomment>Screen reader, after the snake eats.</extracomment>
        <translation>
            <numerusform>یک وعده غذا: مار حالا %n تکه طول دارد.</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <extracomment>The game-over message&apos;s first line.</extracomment>
        <translation>باختید!</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <extracomment>The game-over message&apos;s second line, below a blank one (no full stop).</extracomment>
        <translation>
            <numerusform>مار شما %n تکه طول داشت</numerusform>
        </translation>
    </message>
</context>
</TS>
