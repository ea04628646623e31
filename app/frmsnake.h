// The game's one window: the field, the "Start!" button and the tick. It turns Qt's
// events into the game's handlers and lends the game its button, timer and message box.
#pragma once

#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <chrono>

#include "playfield/playfield.h"
#include "rules/snakegame.h"

class QMessageBox;

namespace snake {

class frmSnake final : public QWidget, private PlayfieldObserver, private GameControls {
    Q_OBJECT

  public:
    // `random` must outlive the window.
    explicit frmSnake(RandomSource& random, QWidget* parent = nullptr);
    ~frmSnake() override;

    const Playfield& field() const { return field_; }
    const SnakeGame& game() const { return game_; }
    QPushButton* startButton() { return &cmdStart; }
    const QTimer& tickTimer() const { return tmrMain; }
    // When the next tick is due on the tick's schedule; the timer fires for it.
    std::chrono::steady_clock::time_point nextTickDue() const { return nextTick_; }

    // The virtual key code of a Qt key: the arrows map to 37..40, anything else to 0.
    static std::int16_t VirtualKeyCode(int qtKey);

  signals:
    // Once, soon after the window's first frame is on screen.
    void firstFramePainted();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void cmdStart_Click();
    void tmrMain_Timer();
    bool Form_KeyDown(const QKeyEvent& event);

    // PlayfieldObserver
    void CellChanged(CellIndex index) override;
    void FieldChanged() override;
    // GameControls
    void SetStartVisible(bool visible) override;
    void SetTimerInterval(int milliseconds) override;
    void ShowGameOver(int length) override;
    // Puts the waiting message back above the window, with the keyboard.
    void RaiseMessage();

    Playfield field_;
    SnakeGame game_;
    QPushButton cmdStart;
    QTimer tmrMain;  // single shot, armed for each tick in turn
    std::chrono::milliseconds tickPeriod_{0};
    std::chrono::steady_clock::time_point nextTick_;
    bool painted_ = false;
    QMessageBox* message_ = nullptr;  // the game-over message while it is shown
};

}  // namespace snake
