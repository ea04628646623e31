<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>snake::frmSnake</name>
    <message>
        <source>Velmor&apos;s Snake</source>
        <extracomment>The game&apos;s name: window title and menu entry. &quot;Velmor&quot; is a person&apos;s name.</extracomment>
        <translation>Cobrinha de Velmor</translation>
    </message>
    <message>
        <source>Start!</source>
        <extracomment>The button that starts a game: short, it must fit a 100-pixel-wide button.</extracomment>
        <translation>Começar!</translation>
    </message>
    <message>
        <source>Press Start! to play, then steer the snake with the arrow keys. It grows with every meal; only the wall ends the game.</source>
        <extracomment>Read by a screen reader on the button; &quot;Start!&quot; as on the button.</extracomment>
        <translation>Pressione “Começar!” para jogar e depois guie a cobrinha com as setas do teclado. Ela cresce a cada refeição; só o muro termina o jogo.</translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading left, %n pieces long.</source>
        <extracomment>Screen reader, when a game starts.</extracomment>
        <translation>
            <numerusform>A cobrinha parte para a esquerda, com %n pedaço.</numerusform>
            <numerusform>A cobrinha parte para a esquerda, com %n pedaços.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading right, %n pieces long.</source>
        <translation>
            <numerusform>A cobrinha parte para a direita, com %n pedaço.</numerusform>
            <numerusform>A cobrinha parte para a direita, com %n pedaços.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading up, %n pieces long.</source>
        <translation>
            <numerusform>A cobrinha parte para cima, com %n pedaço.</numerusform>
            <numerusform>A cobrinha parte para cima, com %n pedaços.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The snake sets off heading down, %n pieces long.</source>
        <translation>
            <numerusform>A cobrinha parte para baixo, com %n pedaço.</numerusform>
            <numerusform>A cobrinha parte para baixo, com %n pedaços.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A meal: the snake is %n pieces long.</source>
        <extracomment>Screen reader, after the snake eats.</extracomment>
        <translation>
            <numerusform>Refeição: agora a cobrinha tem %n pedaço.</numerusform>
            <numerusform>Refeição: agora a cobrinha tem %n pedaços.</numerusform>
        </translation>
    </message>
    <message>
        <source>You lose!</source>
        <extracomment>The game-over message&apos;s first line.</extracomment>
        <translation>Você perdeu!</translation>
    </message>
    <message numerus="yes">
        <source>Your snake was %n pieces long</source>
        <extracomment>The game-over message&apos;s second line, below a blank one (no full stop).</extracomment>
        <translation>
            <numerusform>Sua cobrinha tinha %n pedaço</numerusform>
            <numerusform>Sua cobrinha tinha %n pedaços</numerusform>
        </translation>
    </message>
</context>
</TS>
