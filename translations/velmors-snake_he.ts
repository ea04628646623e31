<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he" sourcelanguage="en">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <extracomment>The game&apos;s name: window title and menu entry. &quot;Velmor&quot; is a person&apos;s name.</extracomment>
        <translation>הנחש של ולמור</translation>
    </message>
    <message>
        <source>Start!</source>
        <extracomment>The button that starts a game: short, it must fit a 100-pixel-wide button.</extracomment>
        <translation>התחלה!</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <extracomment>Read by a screen reader on the button; &quot;Start!&quot; as on the button.</extracomment>
        <translation>יש ללחוץ על &quot;התחלה!&quot; כדי לשחק, ואז לכוון את הנחש בעזרת מקשי החצים. הנחש גדל עם כל ארוחה; רק הקיר מסיים את המשחק.</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <extracomment>Screen reader, when a game starts.</extracomment>
        <translation>
            <numerusform>הנחש יוצא לדרך שמאלה, באורך %n חוליה.</numerusform>
            <numerusform>הנחש יוצא לדרך שמאלה, באורך %n חוליות.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading right, %n pieces long.</source>
        <translation>
            <numerusform>הנחש יוצא לדרך ימינה, באורך %n חוליה.</numerusform>
            <numerusform>הנחש יוצא לדרך ימינה, באורך %n חוליות.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading up, %n pieces long.</source>
        <translation>
            <numerusform>הנחש יוצא לדרך למעלה, באורך %n חוליה.</numerusform>
            <numerusform>הנחש יוצא לדרך למעלה, באורך %n חוליות.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading down, %n pieces long.</source>
        <translation>
            <numerusform>הנחש יוצא לדרך למטה, באורך %n חוליה.</numerusform>
            <numerusform>הנחש יוצא לדרך למטה, באורך %n חוליות.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A meal: the snake is %n pieces long.</source>
        <extracomment>Screen reader, after the snake eats.</extracomment>
        <translation>
            <numerusform>ארוחה: הנחש עכשיו באורך %n חוליה.</numerusform>
            <numerusform>ארוחה: הנחש עכשיו באורך %n חוליות.</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <extracomment>The game-over message&apos;s first line.</extracomment>
        <translation>הפסדת!</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <extracomment>The game-over message&apos;s second line, below a blank one (no full stop).</extracomment>
        <translation>
            <numerusform>הנחש שלך היה באורך %n חוליה</numerusform>
            <numerusform>הנחש שלך היה באורך %n חוליות</numerusform>
        </translation>
    </message>
</context>
</TS>
