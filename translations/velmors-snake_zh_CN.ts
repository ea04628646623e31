<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <translation>韦尔莫的贪吃蛇</translation>
    </message>
    <message>
        <source>Start!</source>
        <translation>开始！</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <translation>按“开始！”进行游戏，然后用方向键控制蛇的移动。蛇每吃一次食物就会变长；只有撞墙才会结束游戏。</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <translation>
            <numerusform>蛇向左出发，长度为 %n 节。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading right, %n pieces long.</source>
        <translation>
            <numerusform>蛇向右出发，长度为 %n 节。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading up, %n pieces long.</source>
        <translation>
            <numerusform>蛇向上出发，长度为 %n 节。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading down, %n pieces long.</source>
        <translation>
            <numerusform>蛇向下出发，长度为 %n 节。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A meal: the snake is %n pieces long.</source>
        <translation>
            <numerusform>吃到食物：蛇现在长 %n 节。</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>你输了！</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <translation>
            <numerusform>你的蛇最终长达 %n 节</numerusform>
        </translation>
    </message>
</context>
</TS>
