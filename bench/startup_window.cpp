// The game's window alone: frmSnake created as app/main.cpp creates it, without what main.cpp
// adds for the desktop (the desktop file name and the window icon). Between the bare window
// and the game, it tells the window's share of the start-up from the icon's.
#include <QApplication>

#include "app/frmsnake.h"
#include "rules/random.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmors-snake"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmor's Snake"));

    snake::ClockRandom random;
    snake::frmSnake window(random);
    window.show();
    return QApplication::exec();
}
