// The calibration dialog (see CalibrWin.h).
#include "CalibrWin.h"

#include "Config.h"
#include "Eye1lib.h"
#include "EyeOne.h"
#include "WaitCursor.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#ifdef KV_HAVE_LOOK
#include "look/Artwork.h"
#endif

TCalibrDlg::TCalibrDlg(QWidget* parent)
    : TInstrumentDialog(parent)
{
    setObjectName(QStringLiteral("CalibrDlg"));
#ifdef KV_HAVE_LOOK
    SetPictures(DialogBanner(), CalibrationIcon());
#endif
    SetMessage(PlateMessage());
}

QString TCalibrDlg::PlateMessage()
{
    return tr("I1 calibration, place instrument on the calibration plate and press measurement button.");
}

void TCalibrDlg::showEvent(QShowEvent* event)
{
    setWindowTitle(QString());
    // Centred over the main window, the divisions truncating.
    if (QWidget* main = parentWidget() ? parentWidget()->window() : nullptr) {
        const QRect m = main->frameGeometry();
        const QRect d = frameGeometry();
        move(m.left() + (m.width() - d.width()) / 2, m.top() + (m.height() - d.height()) / 2);
    }
    TInstrumentDialog::showEvent(event);
}

void TCalibrDlg::TimerTimer()
{
    if (IsWorking || EyeOne::I1_KeyPressed() != 0)
        return;
    Timer->stop();
    IsWorking = true;
    {
        TWaitCursor wait;
        SetMessage(tr("I1 calibration in progress, wait please ..."));
        OkBtn->setDown(false);
        ProcessPendingEvents();
        const int result = CalibrateInstrument();
        Config.LastCalibrationResult = result;
        if (result == 0) {
            SetMessage(tr("Calibration Ok!"));
            ProcessPendingEvents();
            Pause(SuccessPauseMs);
        }
    }
    IsWorking = false;
    done(mrOk);
}
