#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

class QProgressBar;
class QWidget;

// Keeps a window painted during a long run on the user-interface thread
// while it takes no input: for the object's lifetime, mouse, keyboard, wheel,
// drop and close events aimed at the window are dropped (other windows, such
// as a question asked during the run, work normally), and Pump() lets the
// window repaint, at most every few milliseconds so long runs stay fast.
class CBusyWindow : public QObject {
public:
    static constexpr int kPumpIntervalMs = 30;

    // progress (optional) is shown in place of `replaced` (optional) while
    // the run reports its position, and hidden again at the end.
    CBusyWindow(QWidget *window, QProgressBar *progress = nullptr, QWidget *replaced = nullptr);
    ~CBusyWindow() override;
    CBusyWindow(const CBusyWindow &) = delete;
    CBusyWindow &operator=(const CBusyWindow &) = delete;

    void SetProgress(int position, int maximum);
    void Pump();
    // Lets the window take its pending events now, however recently it last did.
    void PumpNow();
    // Escape was pressed in the window since the object was made: the user
    // asks the run to stop where it can.
    bool StopAsked() const { return m_stopAsked; }
    // A run keeps some window busy now (its events may still be pumped).
    static bool AnyBusy() { return s_busyCount > 0; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static inline int s_busyCount = 0;
    QPointer<QWidget> m_window;
    QPointer<QProgressBar> m_progress;
    QPointer<QWidget> m_replaced;
    bool m_replacedWasVisible = false;
    bool m_progressShown = false;
    QElapsedTimer m_sincePump;
    bool m_stopAsked = false;
};
