// The paper dialog (see MeasureP.h).
#include "MeasureP.h"

#include "Config.h"
#include "EyeOne.h"
#include "WaitCursor.h"

#include <QGuiApplication>
#include <QLabel>
#include <QShowEvent>
#include <QTimer>

#ifdef KV_HAVE_LOOK
#include "look/Artwork.h"
#endif

TMeasurePDlg::TMeasurePDlg(QWidget* parent)
    : TInstrumentDialog(parent)
{
    setObjectName(QStringLiteral("MeasurePDlg"));
#ifdef KV_HAVE_LOOK
    SetPictures(DialogBanner(), PaperIcon());
#endif
    TitleLabel = new QLabel(CaptionBar);
    TitleLabel->setObjectName(QStringLiteral("TitleLabel"));
    TitleLabel->setGeometry(8, 8, 300, 20);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(16);
    font.setBold(true);
    TitleLabel->setFont(font);
    QPalette pal = TitleLabel->palette();
    pal.setColor(QPalette::WindowText, Qt::gray);
    TitleLabel->setPalette(pal);
    TitleLabel->setAttribute(Qt::WA_TransparentForMouseEvents);  // the bar below still drags
    SetMessage(PaperMessage());
}

QString TMeasurePDlg::PaperMessage()
{
    return tr("Measure paper or substrate");
}

void TMeasurePDlg::showEvent(QShowEvent* event)
{
    SetMessage(PaperMessage());
    setWindowTitle(ProgramTitle ? ProgramTitle() : QGuiApplication::applicationDisplayName());
    TInstrumentDialog::showEvent(event);
}

void TMeasurePDlg::TimerTimer()
{
    if (IsWorking || EyeOne::I1_KeyPressed() != 0)
        return;
    Timer->stop();
    IsWorking = true;
    {
        TWaitCursor wait;
        SetMessage(tr("Paper measurement"));
        ProcessPendingEvents();

        SubstrateSpectrum.fill(0.0f);
        // None of the answers is looked at: the white base becomes "Paper"
        // and the buffer is handed over as the library left it.
        EyeOne::I1_SetOption("MeasurementMode", "SingleReflectance");
        EyeOne::I1_SetOption("Recognition", "no");
        EyeOne::I1_TriggerMeasurement();
        EyeOne::I1_GetSpectrum(SubstrateSpectrum.data(), 0);
        EyeOne::I1_SetOption("Colorimetric.WhiteBase", "Paper");
        EyeOne::I1_SetSubstrate(SubstrateSpectrum.data());

        SetMessage(tr("Substrated measured!"));
        ProcessPendingEvents();
        Pause(SuccessPauseMs);
    }
    IsWorking = false;
    done(mrOk);
    Config.PaperMeasured = true;
}
