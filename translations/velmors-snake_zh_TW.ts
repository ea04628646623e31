<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <translation>韋爾莫的貪食蛇</translation>
    </message>
    <message>
        <source>Start!</source>
        <translation>開始！</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <translation>按「開始！」進行遊戲，然後用方向鍵操控蛇的移動。蛇每吃一次食物就會變長；只有撞牆才會結束遊戲。</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <translation>
            <numerusform>蛇向左出發，長度為 %n 節。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading right, %n pieces long.</source>
        <translation>
            <numerusform>蛇向右出發，長度為 %n 節。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading up, %n pieces long.</source>
        <translation>
            <numerusform>蛇向上出發，長度為 %n 節。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading down, %n pieces long.</source>
        <translation>
            <numerusform>蛇向下出發，長度為 %n 節。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A meal: the snake is %n pieces long.</source>
        <translation>
            <numerusform>吃到食物：蛇現在長 %n 節。</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>你輸了！</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <translation>
            <numerusform>你的蛇最終長達 %n 節</numerusform>
        </translation>
    </message>
</context>
</TS>
