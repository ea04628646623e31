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
