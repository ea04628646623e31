<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <extracomment>The game&apos;s name: window title and menu entry. &quot;Velmor&quot; is a person&apos;s name.</extracomment>
        <translation>韋爾莫的貪食蛇</translation>
    </message>
    <message>
        <source>Start!</source>
        <extracomment>The button that starts a game: short, it must fit a 100-pixel-wide button.</extracomment>
        <translation>開始！</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <extracomment>Read by a screen reader on the button; &quot;Start!&quot; as on the button.</extracomment>
        <translation>按「開始！」進行遊戲，然後用方向鍵操控蛇的移動。蛇每吃一次食物就會變長；只有撞牆才會結束遊戲。</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <extracomment>Screen reader, when a game starts.</extracomment>
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
        <extracomment>Screen reader, after the snake eats.</extracomment>
        <translation>
            <numerusform>吃到食物：蛇現在長 %n 節。</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <extracomment>The game-over message&apos;s first line.</extracomment>
        <translation>你輸了！</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <extracomment>The game-over message&apos;s second line, below a blank one (no full stop).</extracomment>
        <translation>
            <numerusform>你的蛇最終長達 %n 節</numerusform>
        </translation>
    </message>
</context>
</TS>
