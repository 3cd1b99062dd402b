// TDialogWatch: for runs that nobody sits in front of (--tour, --screenshots):
// a modal dialog that stays unanswered for the wait limit is cancelled, as
// its Cancel button does, so that such a run never waits for ever (the
// calibration dialog waiting for the instrument's button, the language
// chooser of a first start).
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

class QDialog;
class QTimer;

class TDialogWatch : public QObject {
    Q_OBJECT
public:
    TDialogWatch(int waitLimitMs, QObject* parent = nullptr);

    int WaitLimitMs() const { return WaitLimit; }
    // Dialogs cancelled so far.
    int Cancelled() const { return CancelCount; }

private:
    void Look();

    int WaitLimit;
    int CancelCount = 0;
    QTimer* Poll;
    QPointer<QDialog> Open;  // the modal dialog seen last
    QElapsedTimer OpenSince;
};
