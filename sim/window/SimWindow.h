// The window of the simulated instrument: the press sheet as a control strip
// to put the instrument on, the instrument's button, and switches for what can
// go wrong with a real instrument. It talks to the stand-in library only
// through its control interface (I1Sim_*); the program knows nothing of it.
#pragma once

#include "ControlStrip.h"

#include <QPointer>
#include <QWidget>

#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QTimer;
class QVBoxLayout;

namespace SimWindow {

class TPatchButton;

class TSimWindow : public QWidget {
    Q_OBJECT
public:
    explicit TSimWindow(QWidget* parent = nullptr);

    // Reads a measurement file and offers its samples as patches. On a bad
    // file the strip stays as it was and the message names the file and line.
    Q_INVOKABLE bool OpenMeasurements(const QString& path);
    // Puts the instrument on a patch of the strip (its key).
    Q_INVOKABLE bool PlaceOn(const QString& key);
    // The instrument's button; does nothing while the instrument is unplugged.
    Q_INVOKABLE void PressButton();

    // Beside the program's main window, when one is showing.
    void PlaceBesideMainWindow();

protected:
    bool event(QEvent* event) override;

private:
    void BuildMenu(QVBoxLayout* layout);
    QWidget* BuildSwitches();
    void AddGroup(const TStripGroup& group);
    void ChooseMeasurementFile();
    void ShowMessage(const QString& text, bool error);
    // Follows the library: the patch under the instrument (a scenario or a
    // test may move it), the connection and the press in flight.
    void Sync();
    void ShowPatchUnderInstrument(const TPatchButton* patch);
    void KeepUsableDuringModalDialogs();
    const TStripPatch* SheetPaper() const;

    QScrollArea* Scroll = nullptr;
    QVBoxLayout* StripLayout = nullptr;
    std::vector<TPatchButton*> Patches;
    QLabel* PatchName = nullptr;
    QLabel* PatchLab = nullptr;
    QLabel* PatchDensities = nullptr;
    QLabel* PressState = nullptr;
    QLabel* Message = nullptr;
    QPushButton* Button = nullptr;
    QCheckBox* Plugged = nullptr;
    QTimer* SyncTimer = nullptr;
    QString PlacedKey;
    int FilesRead = 0;
    bool PressInFlight = false;
};

// Opens the window once, on the application's thread.
void OpenWindow();

}
