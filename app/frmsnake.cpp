#include "app/frmsnake.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

#include "app/tickschedule.h"
#include "playfield/fieldpainter.h"

namespace snake {

namespace {
// The game-over message, its frame centred on the game's every time it shows. Left to
// themselves, mutter puts a dialog in the upper third of its parent and KWin on X11 some 40
// pixels above the middle, and a dialog shown again (RaiseMessage) lands somewhere else. On
// Wayland the compositor alone places windows: there the position is not ours to give.
class GameOverBox final : public QMessageBox {
  public:
    GameOverBox(const QString& text, QWidget* game)
        : QMessageBox(NoIcon, QString(), text, Ok, game,
                      // A title bar with a close button alone: the box cannot grow or hide.
                      Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {}

  protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);  // sizes the box to its text
        QWindow* const own = windowHandle();
        const QWindow* const game = parentWidget()->windowHandle();
        if (own == nullptr || game == nullptr ||
            QGuiApplication::platformName() == QLatin1String("wayland")) {
            return;
        }
        // Not mapped yet, the box has no frame: the desktop draws it as it draws the game's.
        const QMargins margins = game->frameMargins();
        const QRect around = parentWidget()->frameGeometry();
        const QSize frame = size().grownBy(margins);
        place_ = around.topLeft() + QPoint((around.width() - frame.width()) / 2 + margins.left(),
                                           (around.height() - frame.height()) / 2 + margins.top());
        corrections_ = 2;
        connect(own, &QWindow::xChanged, this, &GameOverBox::KeepPlace, Qt::UniqueConnection);
        connect(own, &QWindow::yChanged, this, &GameOverBox::KeepPlace, Qt::UniqueConnection);
        own->setPosition(place_);
    }

  private:
    // Shown afresh, the box is now and then framed by mutter with its frame, not its client
    // area, where it was asked to go: a title bar too high. Asked again, it goes there. Once
    // framed where it should be, the place is the player's: a box dragged away stays away.
    void KeepPlace() {
        QWindow* const own = windowHandle();
        if (own == nullptr || !own->isVisible() || corrections_ == 0) {
            return;
        }
        if (own->position() == place_) {
            corrections_ = own->frameMargins().isNull() ? corrections_ : 0;
            return;
        }
        --corrections_;
        own->setPosition(place_);
    }

    QPoint place_;
    int corrections_ = 0;
};
}  // namespace

frmSnake::frmSnake(RandomSource& random, QWidget* parent)
    : QWidget(parent),
      game_(field_, *this, random),
      //: The button that starts a game: short, it must fit a 100-pixel-wide button.
      cmdStart(tr("Start!"), this) {
    setObjectName(QStringLiteral("frmSnake"));
    //: The game's name: window title and menu entry. "Velmor" is a person's name.
    setWindowTitle(tr("Velmor's Snake"));
    setFixedSize(kClientSize, kClientSize);
    // The title bar offers what the window can do: no maximising a window of fixed size.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_OpaquePaintEvent);  // the field covers every pixel
    // The keyboard is with "Start!" between games and with the window in play (see
    // SetStartVisible); Tab and clicks on the field never park it on a silent field.
    setFocusPolicy(Qt::NoFocus);

    cmdStart.setObjectName(QStringLiteral("cmdStart"));
    cmdStart.setGeometry(kStartButtonRect);
    cmdStart.setAutoDefault(true);  // Enter presses it while it has focus, as Space does
    cmdStart.setAccessibleDescription(
        //: Read by a screen reader on the button; "Start!" as on the button.
        tr("Press Start! to play, then steer the snake with the arrow keys. It grows with every "
           "meal; only the wall ends the game."));
    cmdStart.installEventFilter(this);
    connect(&cmdStart, &QPushButton::clicked, this, &frmSnake::cmdStart_Click);

    tmrMain.setObjectName(QStringLiteral("tmrMain"));
    tmrMain.setTimerType(Qt::PreciseTimer);
    tmrMain.setSingleShot(true);
    connect(&tmrMain, &QTimer::timeout, this, &frmSnake::tmrMain_Timer);

    field_.SetObserver(this);
    game_.Form_Load();
}

frmSnake::~frmSnake() {
    field_.SetObserver(nullptr);
}

void frmSnake::cmdStart_Click() {
    game_.cmdStart_Click();
    // The heading is chosen at random and shows only on screen: a screen reader says it.
    const SnakeGame& game = game_;
    const int length = game.intLength;
    //: Screen reader, when a game starts.
    setAccessibleDescription(
        game.blnLeft    ? tr("The snake sets off heading left, %n pieces long.", nullptr, length)
        : game.blnRight ? tr("The snake sets off heading right, %n pieces long.", nullptr, length)
        : game.blnUp    ? tr("The snake sets off heading up, %n pieces long.", nullptr, length)
                        : tr("The snake sets off heading down, %n pieces long.", nullptr, length));
}

void frmSnake::tmrMain_Timer() {
    if (tickPeriod_.count() > 0) {
        const NextTick next =
            ScheduleNextTick(std::chrono::steady_clock::now(), nextTick_, tickPeriod_);
        nextTick_ = next.due;
        tmrMain.start(next.delay);
    }
    const std::int16_t length = game_.intLength;
    game_.tmrMain_Timer();  // a game over stops the timer again
    if (game_.intLength != length) {
        //: Screen reader, after the snake eats.
        setAccessibleDescription(
            tr("A meal: the snake is %n pieces long.", nullptr, game_.intLength));
    }
}

std::int16_t frmSnake::VirtualKeyCode(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Left:
            return kKeyLeft;
        case Qt::Key_Up:
            return kKeyUp;
        case Qt::Key_Right:
            return kKeyRight;
        case Qt::Key_Down:
            return kKeyDown;
        default:
            return 0;
    }
}

bool frmSnake::Form_KeyDown(const QKeyEvent& event) {
    const std::int16_t code = VirtualKeyCode(event.key());
    if (code == 0) {
        return false;
    }
    game_.Form_KeyDown(code, 0);
    return true;
}

void frmSnake::keyPressEvent(QKeyEvent* event) {
    if (!Form_KeyDown(*event)) {
        QWidget::keyPressEvent(event);
    }
}

bool frmSnake::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (watched == &cmdStart && key) {
        const auto& press = *static_cast<QKeyEvent*>(event);
        // A focused push button would take the arrows to move focus; they steer the snake.
        if (event->type() == QEvent::KeyPress && Form_KeyDown(press)) {
            return true;
        }
        // Enter or Space held down to dismiss the message must not start the next game.
        const bool pressesButton = press.key() == Qt::Key_Return || press.key() == Qt::Key_Enter ||
                                   press.key() == Qt::Key_Space;
        if (pressesButton && press.isAutoRepeat()) {
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmSnake::closeEvent(QCloseEvent* event) {
    // Closing the window ends the program at any moment, also while the message waits.
    tmrMain.stop();
    if (QMessageBox* box = message_; box != nullptr) {
        box->done(QMessageBox::Ok);
    }
    event->accept();
}

void frmSnake::changeEvent(QEvent* event) {
    // Not every window manager keeps a dialog above its parent, nor does every Wayland
    // compositor: activating the window would bury the message behind it, and leave the
    // keyboard on a field that has nothing to do until the message is answered.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && message_ != nullptr) {
        QMetaObject::invokeMethod(this, &frmSnake::RaiseMessage, Qt::QueuedConnection);
    }
    QWidget::changeEvent(event);
}

void frmSnake::RaiseMessage() {
    if (message_ == nullptr || !message_->isVisible() || message_->isActiveWindow()) {
        return;
    }
    // Showing it afresh puts it on top with the keyboard wherever new windows get the
    // focus; asking for the focus is not enough where the compositor only marks the
    // window as wanting attention (sway) or no window manager raises it.
    message_->hide();
    message_->show();
    message_->raise();
    message_->activateWindow();
}

void frmSnake::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    for (const QRect& area : event->region()) {
        PaintField(painter, field_, area);
    }
    if (!painted_) {
        painted_ = true;
        QMetaObject::invokeMethod(this, &frmSnake::firstFramePainted, Qt::QueuedConnection);
    }
}

void frmSnake::CellChanged(CellIndex index) {
    update(CellRect(index));
}

void frmSnake::FieldChanged() {
    update();
}

void frmSnake::SetStartVisible(bool visible) {
    cmdStart.setVisible(visible);
    // Keys go where the player expects: to the button between games, to the field in play.
    // A hidden button must not keep the focus.
    if (visible) {
        setAccessibleDescription(QString());  // the game's news ends with the game
        cmdStart.setFocus();
    } else {
        setFocus();
    }
}

void frmSnake::SetTimerInterval(int milliseconds) {
    tickPeriod_ = std::chrono::milliseconds(milliseconds);
    if (milliseconds == 0) {
        tmrMain.stop();
    } else {
        nextTick_ = std::chrono::steady_clock::now() + tickPeriod_;
        tmrMain.start(tickPeriod_);
    }
}

void frmSnake::ShowGameOver(int length) {
    //: The game-over message's first line.
    const QString text = tr("You lose!") + QStringLiteral("\n\n") +
                         //: The game-over message's second line, below a blank one (no full stop).
                         tr("Your snake was %n pieces long", nullptr, length);
    // Not application-modal: that would keep the window from closing while the box is up.
    // Nothing else is live meanwhile: the tick is stopped and the button hidden.
    GameOverBox box(text, this);
    box.setWindowModality(Qt::NonModal);
    QEventLoop loop;
    connect(&box, &QDialog::finished, &loop, &QEventLoop::quit);
    message_ = &box;
    box.show();
    box.activateWindow();
    if (box.isVisible()) {
        loop.exec();
    }
    message_ = nullptr;
    if (isVisible()) {
        activateWindow();  // the keyboard comes back to the game
    }
}

}  // namespace snake
