<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he" sourcelanguage="en">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <translation>הנחש של ולמור</translation>
    </message>
    <message>
        <source>Start!</source>
        <translation>התחלה!</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <translation>יש ללחוץ על "התחלה!" כדי לשחק, ואז לכוון את הנחש בעזרת מקשי החצים. הנחש גדל עם כל ארוחה; רק הקיר מסיים את המשחק.</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
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
        <translation>
            <numerusform>ארוחה: הנחש עכשיו באורך %n חוליה.</numerusform>
            <numerusform>ארוחה: הנחש עכשיו באורך %n חוליות.</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>הפסדת!</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <translation>
            <numerusform>הנחש שלך היה באורך %n חוליה</numerusform>
            <numerusform>הנחש שלך היה באורך %n חוליות</numerusform>
        </translation>
    </message>
</context>
</TS>
