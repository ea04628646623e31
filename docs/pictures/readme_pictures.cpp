// Makes the README's two pictures of the window: between games, and a game in play. It
// opens the real window, plays a scripted game through the window's own event path and
// saves grabs of it as small PNGs into the folder it is given. Run it through
// `cmake --build --preset dev --target readme-pictures`, which pins the platform and scale.
#include <QApplication>
#include <QImageWriter>
#include <QScreen>
#include <QTest>
#include <cstdio>

#include "app/frmsnake.h"
#include "playfield/fieldpainter.h"
#include "support/gamefixture.h"

using namespace snake;

namespace {

// The window's pixels as the window system holds them, written losslessly with a palette
// (the field and the button's text need far fewer than 256 colours) and packed tightest.
bool Save(QWidget& window, const QString& path) {
    const QImage image =
        window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::AvoidDither);
    if (indexed.convertToFormat(QImage::Format_RGB32) != image) {
        std::fprintf(stderr, "readme_pictures: %s has too many colours\n", qPrintable(path));
        return false;
    }
    QImageWriter writer(path, "png");
    writer.setQuality(0);  // the strongest compression
    return writer.write(indexed);
}

struct Turn {
    CellIndex at;
    Qt::Key key;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: readme_pictures <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);

    // The head starts at row 26, column 14 heading right. It eats three times, turning up,
    // right and down on the way, and is pictured three cells short of its fourth food.
    testing::ScriptedRandom random;
    random.PushCell(IndexOf(26, 18));
    random.PushHeading(&SnakeGame::blnRight);
    random.PushCell(IndexOf(26, 14));
    for (const CellIndex food : {IndexOf(20, 22), IndexOf(18, 25), IndexOf(24, 27)}) {
        random.PushCell(food);
    }
    const Turn turns[] = {{IndexOf(26, 22), Qt::Key_Up},
                          {IndexOf(18, 22), Qt::Key_Right},
                          {IndexOf(18, 27), Qt::Key_Down}};
    constexpr CellIndex kPictured = IndexOf(21, 27);

    frmSnake window(random);
    window.show();
    if (!QTest::qWaitForWindowActive(&window) ||
        !Save(window, folder + QStringLiteral("/between-games.png"))) {
        return 1;
    }

    // Right after each tick of the window's own timer, before the next can come: steer where
    // the script says, and take the picture once the head is where it should be.
    bool saved = false;
    QObject::connect(&window.tickTimer(), &QTimer::timeout, &window, [&] {
        const CellIndex head = window.game().intHead;
        for (const Turn& turn : turns) {
            if (turn.at == head) {
                QTest::keyClick(window.windowHandle(), turn.key);
            }
        }
        if (head == kPictured) {
            window.repaint();
            saved = window.game().intLength == kStartLength + 3 &&
                    Save(window, folder + QStringLiteral("/in-play.png"));
            window.close();
        }
    });
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      kStartButtonRect.center());
    const bool closed = QTest::qWaitFor([&window] { return !window.isVisible(); }, 30000);
    if (!closed || !saved || random.Left() != 0 || random.Overdrawn() != 0) {
        std::fprintf(stderr, "readme_pictures: the game did not go as scripted\n");
        return 1;
    }
    return 0;
}
