// One patch of the control strip: a square of the patch's screen colour with
// its short label under it. The patch under the instrument is drawn with a
// heavy frame and the instrument's aperture ring.
#pragma once

#include "ControlStrip.h"

#include <QAbstractButton>

namespace SimWindow {

class TPatchButton : public QAbstractButton {
public:
    TPatchButton(const TStripPatch& patch, QWidget* parent);

    const TStripPatch& Patch() const { return Data; }
    void SetUnderInstrument(bool under);
    bool UnderInstrument() const { return Under; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TStripPatch Data;
    bool Under = false;
};

}
