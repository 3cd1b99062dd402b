// The calibration dialog: asks the operator to put the instrument on its
// calibration plate and press its button, then calibrates and closes by
// itself with OK (whatever the calibration answered); Cancel or Esc close it
// without touching the instrument.
#pragma once

#include "InstrumentDialog.h"

class TCalibrDlg : public TInstrumentDialog {
    Q_OBJECT
public:
    explicit TCalibrDlg(QWidget* parent);

    // "I1 calibration, place instrument on the calibration plate and press measurement button."
    static QString PlateMessage();

    // One turn of the button poll.
    void TimerTimer() override;

protected:
    void showEvent(QShowEvent* event) override;
};
