// The paper dialog: asks for the instrument on the unprinted paper, measures
// its spectrum on the next press and hands it to the driver as the substrate
// with the white base set to "Paper"; closes by itself with OK then.
#pragma once

#include "InstrumentDialog.h"

#include <array>
#include <functional>

class TMeasurePDlg : public TInstrumentDialog {
    Q_OBJECT
public:
    explicit TMeasurePDlg(QWidget* parent);

    QLabel* TitleLabel = nullptr;  // empty grey title on the caption bar

    // The paper spectrum last handed to the driver (380 .. 730 nm).
    std::array<float, 36> SubstrateSpectrum{};

    // The program's title for the window caption ("Kelvora", "Kelvora demo").
    std::function<QString()> ProgramTitle;

    // "Measure paper or substrate"
    static QString PaperMessage();

    void TimerTimer() override;

protected:
    void showEvent(QShowEvent* event) override;
};
