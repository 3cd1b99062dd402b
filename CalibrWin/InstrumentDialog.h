// The frame both instrument dialogs share: a white caption bar with a banner
// (drag it to move the dialog), an icon panel, the message, the Cancel
// button and the 100 ms poll of the instrument's button. Esc shows the button
// pressed for a moment and closes with Cancel, as the button itself does.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

class TInstrumentDialog : public QDialog {
    Q_OBJECT
public:
    // Results of a dialog, as exec() returns them.
    enum TModalResult { mrOk = 1, mrCancel = 2 };

    explicit TInstrumentDialog(QWidget* parent);

    QWidget* CaptionBar = nullptr;
    QLabel* Banner = nullptr;      // 413 x 32
    QFrame* IconPanel = nullptr;   // white, sunken
    QLabel* Icon = nullptr;        // 53 x 50
    QLabel* Msg = nullptr;
    QPushButton* OkBtn = nullptr;  // "Cancel"
    QTimer* Timer = nullptr;       // the button poll, off until the caller starts it

    void SetMessage(const QString& text);
    QString Message() const;
    // True while the instrument work after a press runs (Cancel has no effect then).
    bool Working() const { return IsWorking; }

    void accept() override;
    void reject() override;
    void done(int result) override;  // any close stops the poll

    // How long Esc shows the button pressed, and the pause after a success.
    static constexpr int EscPressedMs = 150;
    static constexpr int SuccessPauseMs = 500;

signals:
    // Every new message, in order (the status of the instrument work).
    void MessageChanged(const QString& text);

protected:
    // One turn of the poll (every 100 ms while the dialog shows).
    virtual void TimerTimer() = 0;
    void SetPictures(const QPixmap& banner, const QPixmap& icon);
    // Lets pending window events be handled so that a new text shows.
    static void ProcessPendingEvents();
    static void Pause(int ms);

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    bool IsWorking = false;
};
