// The shared frame of the instrument dialogs (see InstrumentDialog.h).
#include "InstrumentDialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QWindow>

#ifdef KV_HAVE_LOOK
#include "look/Fonts.h"
#endif

namespace {

QFont DialogFont()
{
#ifdef KV_HAVE_LOOK
    return VerdanaFont(12, false);
#else
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(12);
    return font;
#endif
}

}  // namespace

TInstrumentDialog::TInstrumentDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setFixedSize(415, 209);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xEE, 0xEE, 0xEE));
    setPalette(pal);

    CaptionBar = new QWidget(this);
    CaptionBar->setObjectName(QStringLiteral("CaptionBar"));
    CaptionBar->setGeometry(0, 0, 415, 34);
    CaptionBar->setAutoFillBackground(true);
    QPalette white = CaptionBar->palette();
    white.setColor(QPalette::Window, Qt::white);
    CaptionBar->setPalette(white);
    CaptionBar->installEventFilter(this);

    Banner = new QLabel(CaptionBar);
    Banner->setObjectName(QStringLiteral("Banner"));
    Banner->setGeometry(1, 1, 413, 32);
    Banner->installEventFilter(this);

    IconPanel = new QFrame(this);
    IconPanel->setObjectName(QStringLiteral("IconPanel"));
    IconPanel->setGeometry(16, 63, 98, 90);
    IconPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    IconPanel->setAutoFillBackground(true);
    IconPanel->setPalette(white);

    Icon = new QLabel(IconPanel);
    Icon->setObjectName(QStringLiteral("Icon"));
    Icon->setGeometry((98 - 53) / 2, (90 - 50) / 2, 53, 50);
    Icon->setAlignment(Qt::AlignCenter);

    Msg = new QLabel(this);
    Msg->setObjectName(QStringLiteral("Msg"));
    Msg->setGeometry(134, 66, 262, 83);
    Msg->setAlignment(Qt::AlignCenter);
    Msg->setWordWrap(true);
    Msg->setFont(DialogFont());

    OkBtn = new QPushButton(tr("Cancel"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setGeometry(173, 170, 75, 30);
    OkBtn->setFont(DialogFont());
    OkBtn->setAutoDefault(false);
    connect(OkBtn, &QPushButton::clicked, this, &TInstrumentDialog::reject);

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(100);
    connect(Timer, &QTimer::timeout, this, [this] { TimerTimer(); });
}

void TInstrumentDialog::SetPictures(const QPixmap& banner, const QPixmap& icon)
{
    Banner->setPixmap(banner);
    Icon->setPixmap(icon);
}

void TInstrumentDialog::SetMessage(const QString& text)
{
    Msg->setText(text);
    emit MessageChanged(text);
}

QString TInstrumentDialog::Message() const
{
    return Msg->text();
}

void TInstrumentDialog::accept()
{
    done(mrOk);
}

void TInstrumentDialog::reject()
{
    // Once the instrument work has started it runs to its end and closes
    // the dialog itself.
    if (!IsWorking)
        done(mrCancel);
}

void TInstrumentDialog::done(int result)
{
    Timer->stop();
    QDialog::done(result);
}

void TInstrumentDialog::ProcessPendingEvents()
{
    QCoreApplication::processEvents();
}

void TInstrumentDialog::Pause(int ms)
{
    QThread::msleep(static_cast<unsigned long>(ms));
}

void TInstrumentDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        if (IsWorking || !isVisible())
            return;
        OkBtn->setDown(true);
        OkBtn->repaint();
        ProcessPendingEvents();
        Pause(EscPressedMs);
        OkBtn->setDown(false);
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TInstrumentDialog::closeEvent(QCloseEvent* event)
{
    if (IsWorking) {
        event->ignore();
        return;
    }
    // The close box: Cancel, like the button.
    event->ignore();
    reject();
}

bool TInstrumentDialog::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == CaptionBar || watched == Banner) && event->type() == QEvent::MouseMove) {
        auto* move = static_cast<QMouseEvent*>(event);
        if ((move->buttons() & Qt::LeftButton) && windowHandle()) {
            windowHandle()->startSystemMove();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
