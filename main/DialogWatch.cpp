// Cancelling a modal dialog nobody answers, for unattended runs.
#include "DialogWatch.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <cstdio>

TDialogWatch::TDialogWatch(int waitLimitMs, QObject* parent)
    : QObject(parent), WaitLimit(waitLimitMs), Poll(new QTimer(this))
{
    // The dialogs run their own event loops; a timer of the application's
    // thread fires inside them as well.
    Poll->setInterval(100);
    connect(Poll, &QTimer::timeout, this, &TDialogWatch::Look);
    Poll->start();
}

void TDialogWatch::Look()
{
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) {
        Open = nullptr;
        return;
    }
    if (dialog != Open) {
        Open = dialog;
        OpenSince.start();
        return;
    }
    if (OpenSince.elapsed() < WaitLimit)
        return;
    std::fprintf(stderr, "kelvora: nobody answered the dialog \"%s\" for %d ms: cancelled\n",
                 qPrintable(dialog->windowTitle()), WaitLimit);
    std::fflush(stderr);
    ++CancelCount;
    Open = nullptr;
    dialog->reject();
}
