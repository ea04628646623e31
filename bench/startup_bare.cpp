// The yardsticks for start-up and memory: a bare Qt window the size of the game's and, built
// with SNAKE_BARE_WITH_BUTTON, the same window with one push button where the game has its
// "Start!" button.
#include <QApplication>
#include <QPushButton>
#include <QWidget>

#include "playfield/fieldpainter.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(snake::kClientSize, snake::kClientSize);
#ifdef SNAKE_BARE_WITH_BUTTON
    QPushButton button(QStringLiteral("Start!"), &window);
    button.setGeometry(snake::kStartButtonRect);
#endif
    window.show();
    return QApplication::exec();
}
