#include <QApplication>
#include <QIcon>

#include "app/frmsnake.h"
#include "rules/random.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmors-snake"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmor's Snake"));
    // Ties the window to the installed desktop entry, <id>.desktop (SNAKE_APP_ID from app/).
    QGuiApplication::setDesktopFileName(QStringLiteral(SNAKE_APP_ID));

    // The installed icon theme's copy when there is one, else the one built in.
    QIcon builtIn;
    builtIn.addFile(QStringLiteral(":/icons/48x48/apps/" SNAKE_APP_ID ".png"));
    builtIn.addFile(QStringLiteral(":/icons/128x128/apps/" SNAKE_APP_ID ".png"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(SNAKE_APP_ID), builtIn));

    snake::ClockRandom random;
    snake::frmSnake window(random);
    window.show();
    return QApplication::exec();
}
