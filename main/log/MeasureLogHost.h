// The main window's side of the measurement log: the Main setup page's
// "Keep a measurement log" check box, folder chooser and the line saying
// where this session's log is; the rows of the accepted readings (the
// instrument's serial number, the density settings, and whatever of the
// patch the page did not read itself); the status text while the log cannot
// be written and the word at the end of the session.
#pragma once

#include "MeasureLog.h"
#include "PageHost.h"

#include <QString>

#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;

class TMeasureLogHost {
public:
    // Builds the controls on the Main setup page and sets them from Config.
    explicit TMeasureLogHost(QWidget* mainSetupPage);

    // A row for the reading when the log is on; nothing otherwise.
    void ReadingAccepted(const TAcceptedReading& reading);
    // The text for status panel 0 after a measurement: `ready`, or that the
    // log cannot be written.
    QString StatusAfterMeasurement(const QString& ready) const;
    // Writes what is still waiting and says where the log is or what was not
    // written; empty when nothing was logged this session.
    QString EndOfSession();

    void LogCBClick(bool checked);
    void LogFolderBtnClick();
    void Retranslate();

    // The folder the log goes to: the setting, or the user's documents folder.
    static QString EffectiveFolder();

    // The folder chooser (the program's dialog; tests replace it): the chosen
    // folder, or empty when cancelled.
    std::function<QString(const QString& current)> ChooseFolder;
    // Called after every change of the log's state (the window refreshes panel 0).
    std::function<void()> Changed;

    QCheckBox* LogCB = nullptr;
    QPushButton* LogFolderBtn = nullptr;
    QLabel* LogPathL = nullptr;

    // The session's log; created with the first logged reading.
    const TMeasureLog* Log() const { return SessionLog.get(); }

private:
    TMeasureLog& SessionLogFor(const QString& folder);
    void ShowWhere();

    QDateTime SessionStart;
    std::unique_ptr<TMeasureLog> SessionLog;
};
