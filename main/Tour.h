// TTour: a tour of every page of the main window, the way an operator goes
// through them. After the start-up sequence it clicks the tabs down to each
// page in turn, waits there for the planned number of presses of the
// instrument's button (the instrument supplies them: a person, or a scenario
// driving the simulated instrument), saves a picture of the page with its
// figures, and goes on; after the last page it closes the window. The
// opening screen is pictured as the window first shows.
//
// It never waits for ever: a dialog nobody answers is cancelled after the
// wait limit (TDialogWatch), and when no press comes for the wait limit the
// rest of the tour goes on without waiting. Without an instrument (the
// measurement loop is off) it visits every page without waiting.
#pragma once

#include "TourPlan.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QStringList>

class QTimer;
class TDialogWatch;
class TMainForm;
class TPageControl;

class TTour : public QObject {
    Q_OBJECT
public:
    // The window's pages that the tour can visit, in the window's order: every
    // page of a page control that holds no page control of its own.
    static QStringList WindowPages(QWidget* window);

    TTour(TMainForm* form, const QString& folder, const QList<TTourStop>& plan, int waitLimitMs);

    // Planned pages the window does not have (they are left out).
    QStringList UnknownPages() const { return Unknown; }
    QStringList Written() const { return WrittenFiles; }
    // 0 when the tour ended, every picture was written and every planned
    // press came (or the program was not measuring); 1 when the window closed
    // before the tour's end, a press or a dialog's answer did not come in
    // time, or a picture could not be written.
    int ExitCode() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TPlace {
        QWidget* Page = nullptr;
        QList<QPair<TPageControl*, int>> Tabs;  // from the top-level control down to the page
        QStringList Captions;                  // untranslated, top-level tab first
    };
    static QList<TPlace> Places(QWidget* window);
    const TPlace* PlaceOf(const QString& page) const;

    void Begin();
    void Go();  // from the current stop on: visit, shoot the pages that wait for nothing
    void PressHandled();
    void Watch();
    void GoTo(const TPlace& place);
    void Shoot(const QStringList& captions);
    void Finish();

    TMainForm* Form;
    QString Folder;
    QList<TTourStop> Order;
    QList<TPlace> Pages;
    QStringList Unknown;
    QStringList WrittenFiles;
    TDialogWatch* Dialogs;
    QTimer* Poll;
    int WaitLimit;

    bool OpeningShot = false;
    bool Started = false;
    bool Finished = false;
    bool Measuring = false;  // the measurement loop runs: presses can come
    bool GaveUp = false;     // a wait ran out: the rest goes on without waiting
    bool Failed = false;     // a picture could not be written
    int Stop = 0;            // index into Order
    int Presses = 0;         // presses seen on the current stop
    bool Waiting = false;
    QElapsedTimer SinceLastPress;
    int Number = 0;          // of the next picture
};
