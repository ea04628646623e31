<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <extracomment>The game&apos;s name: window title and menu entry. &quot;Velmor&quot; is a person&apos;s name.</extracomment>
        <translation>ثعبان فيلمور</translation>
    </message>
    <message>
        <source>Start!</source>
        <extracomment>The button that starts a game: short, it must fit a 100-pixel-wide button.</extracomment>
        <translation>ابدأ!</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <extracomment>Read by a screen reader on the button; &quot;Start!&quot; as on the button.</extracomment>
        <translation>اضغط «ابدأ!» للعب، ثم وجّه الثعبان بمفاتيح الأسهم. يكبر الثعبان مع كل وجبة؛ ولا ينهي اللعبة إلا الجدار.</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <extracomment>Screen reader, when a game starts.</extracomment>
        <translation>
            <numerusform>ينطلق الثعبان نحو اليسار، وطوله %n قطعة.</numerusform>
            <numerusform>ينطلق الثعبان نحو اليسار، وطوله %n قطعة.</numerusform>
            <numerusform>ينطلق الثعبان نحو اليسار، وطوله %n قطعتان.</numerusform>
            <numerusform>ينطلق الثعبان نحو اليسار، وطوله %n قطع.</numerusform>
            <numerusform>ينطلق الثعبان نحو اليسار، وطوله %n قطعة.</numerusform>
            <numerusform>ينطلق الثعبان نحو اليسار، وطوله %n قطعة.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading right, %n pieces long.</source>
        <translation>
            <numerusform>ينطلق الثعبان نحو اليمين، وطوله %n قطعة.</numerusform>
            <numerusform>ينطلق الثعبان نحو اليمين، وطوله %n قطعة.</numerusform>
            <numerusform>ينطلق الثعبان نحو اليمين، وطوله %n قطعتان.</numerusform>
            <numerusform>ينطلق الثعبان نحو اليمين، وطوله %n قطع.</numerusform>
            <numerusform>ينطلق الثعبان نحو اليمين، وطوله %n قطعة.</numerusform>
            <numerusform>ينطلق الثعبان نحو اليمين، وطوله %n قطعة.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading up, %n pieces long.</source>
        <translation>
            <numerusform>ينطلق الثعبان نحو الأعلى، وطوله %n قطعة.</numerusform>
            <numerusform>ينطلق الثعبان نحو الأعلى، وطوله %n قطعة.</numerusform>
            <numerusform>ينطلق الثعبان نحو الأعلى، وطوله %n قطعتان.</numerusform>
            <numerusform>ينطلق الثعبان نحو الأعلى، وطوله %n قطع.</numerusform>
            <numerusform>ينطلق الثعبان نحو الأعلى، وطوله %n قطعة.</numerusform>
            <numerusform>ينطلق الثعبان نحو الأعلى، وطوله %n قطعة.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading down, %n pieces long.</source>
        <translation>
            <numerusform>ينطلق الثعبان نحو الأسفل، وطوله %n قطعة.</numerusform>
            <numerusform>ينطلق الثعبان نحو الأسفل، وطوله %n قطعة.</numerusform>
            <numerusform>ينطلق الثعبان نحو الأسفل، وطوله %n قطعتان.</numerusform>
            <numerusform>ينطلق الثعبان نحو الأسفل، وطوله %n قطع.</numerusform>
            <numerusform>ينطلق الثعبان نحو الأسفل، وطوله %n قطعة.</numerusform>
            <numerusform>ينطلق الثعبان نحو الأسفل، وطوله %n قطعة.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A meal: the snake is %n pieces long.</source>
        <extracomment>Screen reader, after the snake eats.</extracomment>
        <translation>
            <numerusform>وجبة: طول الثعبان الآن %n قطعة.</numerusform>
            <numerusform>وجبة: طول الثعبان الآن %n قطعة.</numerusform>
            <numerusform>وجبة: طول الثعبان الآن %n قطعتان.</numerusform>
            <numerusform>وجبة: طول الثعبان الآن %n قطع.</numerusform>
            <numerusform>وجبة: طول الثعبان الآن %n قطعة.</numerusform>
            <numerusform>وجبة: طول الثعبان الآن %n قطعة.</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <extracomment>The game-over message&apos;s first line.</extracomment>
        <translation>لقد خسرت!</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <extracomment>The game-over message&apos;s second line, below a blank one (no full stop).</extracomment>
        <translation>
            <numerusform>بلغ طول ثعبانك %n قطعة</numerusform>
            <numerusform>بلغ طول ثعبانك %n قطعة</numerusform>
            <numerusform>بلغ طول ثعبانك %n قطعتين</numerusform>
            <numerusform>بلغ طول ثعبانك %n قطع</numerusform>
            <numerusform>بلغ طول ثعبانك %n قطعة</numerusform>
            <numerusform>بلغ طول ثعبانك %n قطعة</numerusform>
        </translation>
    </message>
</context>
</TS>
