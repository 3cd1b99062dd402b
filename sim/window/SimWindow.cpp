// The simulated instrument's window: layout, the switches and the sync with
// the library.
#include "SimWindow.h"

#include "EyeOneSimControl.h"
#include "PatchButton.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <cstdio>
#include <memory>

namespace SimWindow {
namespace {

constexpr int SyncIntervalMs = 150;
constexpr int SamplesPerRow = 11;
constexpr double NoiseFraction = 0.02;
constexpr int RefusedCalibrationCode = 2;

struct TBadAnswerItem {
    int Kind;
    const char* Text;
};

const TBadAnswerItem BadAnswerItems[] = {
    {I1SimBadNaNDensity, "Densities are not a number (NaN)"},
    {I1SimBadInfiniteDensity, "Densities are infinite"},
    {I1SimBadNegativeDensity, "Densities are negative"},
    {I1SimBadChannelOutOfRange, "Recognised channel out of range (7, then -1)"},
    {I1SimBadNullOption, "Options answer nothing (NULL)"},
    {I1SimBadNaNSpectrum, "Spectrum values are not a number (NaN)"},
    {I1SimBadInfiniteSpectrum, "Spectrum values are infinite"},
    {I1SimBadNegativeSpectrum, "Spectrum values are negative"},
};

QLabel* NamedLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// Fonts may be sized in points or in pixels.
void ScaleFont(QFont& font, double factor)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else if (font.pixelSize() > 0)
        font.setPixelSize(qRound(font.pixelSize() * factor));
}

QPointer<TSimWindow>& TheWindow()
{
    static QPointer<TSimWindow> window;
    return window;
}

}

TSimWindow::TSimWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("KelvoraSimWindow"));
    setWindowTitle(QStringLiteral("Simulated instrument"));
    // Closing the program's main window ends the program even while this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::StrongFocus);

    auto* layout = new QVBoxLayout(this);
    BuildMenu(layout);

    auto* hint = new QLabel(QStringLiteral("Click a patch to put the instrument on it, then press the "
                                           "instrument's button (or Enter). Kelvora measures what lies "
                                           "under the instrument."),
                            this);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    auto* strip = new QWidget;
    StripLayout = new QVBoxLayout(strip);
    StripLayout->setSpacing(2);
    StripLayout->setContentsMargins(4, 4, 4, 4);
    for (const TStripGroup& group : PressSheetGroups())
        AddGroup(group);
    StripLayout->addStretch(1);
    Scroll = new QScrollArea(this);
    Scroll->setObjectName(QStringLiteral("Strip"));
    Scroll->setWidget(strip);
    Scroll->setWidgetResizable(true);
    Scroll->setFrameShape(QFrame::StyledPanel);
    Scroll->setMinimumHeight(240);
    // Room for a scroll bar once files add rows, so no patch hides under it.
    Scroll->setMinimumWidth(strip->sizeHint().width() + Scroll->verticalScrollBar()->sizeHint().width() + 6);
    layout->addWidget(Scroll, 1);

    auto* under = new QFrame(this);
    under->setFrameShape(QFrame::StyledPanel);
    auto* underLayout = new QVBoxLayout(under);
    PatchName = NamedLabel("PatchName", under);
    QFont big = PatchName->font();
    big.setBold(true);
    ScaleFont(big, 1.25);
    PatchName->setFont(big);
    PatchLab = NamedLabel("PatchLab", under);
    PatchDensities = NamedLabel("PatchDensities", under);
    underLayout->addWidget(PatchName);
    underLayout->addWidget(PatchLab);
    underLayout->addWidget(PatchDensities);
    layout->addWidget(under);

    Button = new QPushButton(QStringLiteral("Press the instrument's button"), this);
    Button->setObjectName(QStringLiteral("InstrumentButton"));
    Button->setMinimumHeight(56);
    QFont buttonFont = Button->font();
    buttonFont.setBold(true);
    ScaleFont(buttonFont, 1.3);
    Button->setFont(buttonFont);
    connect(Button, &QPushButton::clicked, this, &TSimWindow::PressButton);
    layout->addWidget(Button);
    PressState = NamedLabel("PressState", this);
    layout->addWidget(PressState);

    layout->addWidget(BuildSwitches());
    Message = NamedLabel("Message", this);
    Message->setWordWrap(true);
    Message->hide();
    layout->addWidget(Message);

    // Tall enough for the whole sheet when the screen allows; a long message
    // or a file's rows take their room from the strip, which then scrolls.
    const int wanted = sizeHint().height() - Scroll->sizeHint().height() + strip->sizeHint().height()
                       + 2 * Scroll->frameWidth() + 24;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().height() - 40 : wanted;
    resize(sizeHint().width(), qMin(wanted, room));

    SyncTimer = new QTimer(this);
    connect(SyncTimer, &QTimer::timeout, this, &TSimWindow::Sync);
    SyncTimer->start(SyncIntervalMs);
    Sync();
    Button->setFocus();
}

void TSimWindow::BuildMenu(QVBoxLayout* layout)
{
    auto* menuBar = new QMenuBar(this);
    QMenu* file = menuBar->addMenu(QStringLiteral("&File"));
    QAction* open = file->addAction(QStringLiteral("&Open measurements\u2026"), this, &TSimWindow::ChooseMeasurementFile);
    open->setObjectName(QStringLiteral("OpenMeasurements"));
    open->setShortcut(QKeySequence::Open);
    file->addSeparator();
    file->addAction(QStringLiteral("&Close this window"), this, &QWidget::close);
    layout->setMenuBar(menuBar);
}

QWidget* TSimWindow::BuildSwitches()
{
    auto* box = new QFrame(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);

    Plugged = new QCheckBox(QStringLiteral("Plugged in"), box);
    Plugged->setObjectName(QStringLiteral("PluggedIn"));
    connect(Plugged, &QCheckBox::toggled, this, [this](bool on) {
        I1Sim_SetConnected(on ? 1 : 0);
        Sync();
    });
    row->addWidget(Plugged);

    auto* needCalibration = new QPushButton(QStringLiteral("Needs calibration"), box);
    needCalibration->setObjectName(QStringLiteral("NeedCalibration"));
    needCalibration->setToolTip(QStringLiteral("The next measurement answers that the instrument needs calibrating"));
    connect(needCalibration, &QPushButton::clicked, this, [this] {
        I1Sim_NeedCalibration();
        ShowMessage(QStringLiteral("The next measurement will answer \"calibration needed\"."), false);
    });
    row->addWidget(needCalibration);

    auto* refused = new QCheckBox(QStringLiteral("Calibration refused"), box);
    refused->setObjectName(QStringLiteral("CalibrationRefused"));
    refused->setToolTip(QStringLiteral("Every calibration fails while this is on"));
    connect(refused, &QCheckBox::toggled, this,
            [](bool on) { I1Sim_SetCalibrateResult(on ? RefusedCalibrationCode : 0); });
    row->addWidget(refused);

    auto* noise = new QCheckBox(QStringLiteral("Press-to-press noise"), box);
    noise->setObjectName(QStringLiteral("DensityNoise"));
    noise->setToolTip(QStringLiteral("Every reading varies by up to \u00b12 %, as no two sheets off a press are alike"));
    connect(noise, &QCheckBox::toggled, this, [](bool on) { I1Sim_SetDensityNoise(on ? NoiseFraction : 0.0); });
    row->addWidget(noise);

    auto* bad = new QPushButton(QStringLiteral("Bad answers"), box);
    bad->setObjectName(QStringLiteral("BadAnswers"));
    bad->setToolTip(QStringLiteral("Answers a faulty instrument or driver could give, to see how Kelvora copes"));
    auto* menu = new QMenu(bad);
    for (const TBadAnswerItem& item : BadAnswerItems) {
        QAction* action = menu->addAction(QLatin1String(item.Text));
        action->setCheckable(true);
        action->setObjectName(QStringLiteral("BadAnswer%1").arg(item.Kind));
        const int kind = item.Kind;
        connect(action, &QAction::toggled, this, [this, kind, menu](bool on) {
            // The library keeps a set of bad answers; clearing is all or nothing.
            if (on) {
                I1Sim_SetBadAnswer(kind);
                return;
            }
            I1Sim_ClearBadAnswers();
            for (QAction* other : menu->actions())
                if (other->isCheckable() && other->isChecked())
                    I1Sim_SetBadAnswer(other->objectName().mid(9).toInt());
        });
    }
    menu->addSeparator();
    QAction* good = menu->addAction(QStringLiteral("Good answers again"));
    good->setObjectName(QStringLiteral("GoodAnswers"));
    connect(good, &QAction::triggered, this, [menu] {
        for (QAction* action : menu->actions()) {
            const QSignalBlocker block(action);
            action->setChecked(false);
        }
        I1Sim_ClearBadAnswers();
    });
    bad->setMenu(menu);
    row->addWidget(bad);
    row->addStretch(1);
    return box;
}

void TSimWindow::AddGroup(const TStripGroup& group)
{
    // Groups go above the closing stretch; each has its title above its rows.
    int at = StripLayout->count() > 0 && StripLayout->itemAt(StripLayout->count() - 1)->spacerItem()
                 ? StripLayout->count() - 1
                 : StripLayout->count();
    auto* title = new QLabel(group.Title);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setContentsMargins(4, at == 0 ? 0 : 6, 0, 0);
    StripLayout->insertWidget(at++, title);
    for (std::size_t first = 0; first < group.Patches.size(); first += SamplesPerRow) {
        auto* row = new QHBoxLayout;
        row->setSpacing(0);
        const std::size_t end = std::min(group.Patches.size(), first + SamplesPerRow);
        for (std::size_t i = first; i < end; ++i) {
            auto* button = new TPatchButton(group.Patches[i], nullptr);
            connect(button, &QAbstractButton::clicked, this, [this, button] { PlaceOn(button->Patch().Key); });
            Patches.push_back(button);
            row->addWidget(button, 0, Qt::AlignTop);
        }
        row->addStretch(1);
        StripLayout->insertLayout(at++, row);
    }
}

bool TSimWindow::PlaceOn(const QString& key)
{
    for (TPatchButton* button : Patches) {
        if (button->Patch().Key != key)
            continue;
        const QByteArray name = key.toUtf8();
        if (button->Patch().FromFile)
            I1Sim_PlaceNamedSpectrum(button->Patch().Reflectance.data(), name.constData());
        else if (I1Sim_PlacePatch(name.constData()) != 0)
            return false;
        Sync();
        return true;
    }
    return false;
}

void TSimWindow::PressButton()
{
    if (!I1Sim_Connected()) {
        PressState->setText(QStringLiteral("The instrument is unplugged: its button does nothing."));
        return;
    }
    I1Sim_Press(1);
    PressInFlight = true;
    PressState->setText(QStringLiteral("Button pressed, waiting for Kelvora to read it\u2026"));
}

void TSimWindow::ChooseMeasurementFile()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open measurements"), QString(),
                                                      QStringLiteral("Measurements (*.txt *.cgats *.it8 *.csv);;All files (*)"));
    if (!path.isEmpty())
        OpenMeasurements(path);
}

bool TSimWindow::OpenMeasurements(const QString& path)
{
    TStripGroup group;
    QString error;
    if (!ReadMeasurementGroup(path, FilesRead + 1, group, error)) {
        ShowMessage(QStringLiteral("Could not open the measurements. %1. The strip is unchanged.").arg(error), true);
        return false;
    }
    ++FilesRead;
    const std::size_t count = group.Patches.size();
    AddGroup(group);
    // Show the new patches once the strip has grown to hold them.
    QPointer<QWidget> last = Patches.back();
    auto once = std::make_shared<QMetaObject::Connection>();
    *once = connect(Scroll->verticalScrollBar(), &QScrollBar::rangeChanged, this, [this, last, once] {
        disconnect(*once);
        // The range grows in steps while the layout settles.
        QTimer::singleShot(50, this, [this, last] {
            if (last)
                Scroll->ensureWidgetVisible(last);
        });
    });
    ShowMessage(QStringLiteral("%1 samples of %2 added as patches.").arg(count).arg(QFileInfo(path).fileName()), false);
    return true;
}

void TSimWindow::ShowMessage(const QString& text, bool error)
{
    Message->setStyleSheet(error ? QStringLiteral("color: #b00020; font-weight: bold;") : QString());
    Message->setText(text);
    Message->setVisible(!text.isEmpty());
}

const TStripPatch* TSimWindow::SheetPaper() const
{
    for (const TPatchButton* button : Patches)
        if (button->Patch().Key == QLatin1String("paper"))
            return &button->Patch();
    return nullptr;
}

void TSimWindow::ShowPatchUnderInstrument(const TPatchButton* patch)
{
    if (!patch) {
        PatchName->setText(QStringLiteral("Under the instrument: %1 (not on this strip)").arg(PlacedKey));
        PatchLab->clear();
        PatchDensities->clear();
        return;
    }
    const TStripPatch& p = patch->Patch();
    PatchName->setText(QStringLiteral("Under the instrument: %1").arg(p.FullName));
    PatchLab->setText(QStringLiteral("CIELAB (D50, 2\u00b0):   %1").arg(LabText(p)));
    const TStripPatch* paper = SheetPaper();
    QString densities = QStringLiteral("Status E densities:   %1   (absolute)").arg(DensityText(p));
    if (paper)
        densities += QStringLiteral("\n                                   %1   (above the paper)").arg(DensityText(p, paper));
    PatchDensities->setText(densities);
}

void TSimWindow::Sync()
{
    const QString placed = QString::fromUtf8(I1Sim_PlacedPatch());
    if (placed != PlacedKey || PatchName->text().isEmpty()) {
        PlacedKey = placed;
        const TPatchButton* under = nullptr;
        for (TPatchButton* button : Patches) {
            const bool here = button->Patch().Key == placed;
            button->SetUnderInstrument(here);
            if (here)
                under = button;
        }
        ShowPatchUnderInstrument(under);
    }

    const bool connected = I1Sim_Connected() != 0;
    {
        const QSignalBlocker block(Plugged);
        Plugged->setChecked(connected);
    }
    Button->setEnabled(connected);
    if (!connected)
        PressState->setText(QStringLiteral("The instrument is unplugged: its button does nothing."));
    else if (PressInFlight && !I1Sim_PressPending()) {
        PressInFlight = false;
        PressState->setText(QStringLiteral("Kelvora read the button."));
    } else if (!PressInFlight && PressState->text().contains(QLatin1String("unplugged")))
        PressState->clear();

    KeepUsableDuringModalDialogs();
}

// The program's calibration and paper dialogs are modal and wait for the
// instrument's button: while one is open this window becomes its transient
// child, which Qt does not block, so the button can still be pressed here.
void TSimWindow::KeepUsableDuringModalDialogs()
{
    QWindow* own = windowHandle();
    if (!own)
        return;
    QWidget* modal = QApplication::activeModalWidget();
    QWindow* wanted = modal && modal != this ? modal->windowHandle() : nullptr;
    if (own->transientParent() != wanted)
        own->setTransientParent(wanted);
}

bool TSimWindow::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::WindowBlocked:
        QTimer::singleShot(0, this, &TSimWindow::KeepUsableDuringModalDialogs);
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            PressButton();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::event(event);
}

void TSimWindow::PlaceBesideMainWindow()
{
    QWidget* main = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == this || !w->isVisible() || qobject_cast<QDialog*>(w) || w->windowType() != Qt::Window)
            continue;
        if (!main || w->width() * w->height() > main->width() * main->height())
            main = w;
    }
    if (!main)
        return;
    const QRect frame = main->frameGeometry();
    const QScreen* screen = main->screen();
    const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
    const QSize size = frameGeometry().size();
    int x = frame.right() + 8;
    if (x + size.width() > room.right())
        x = frame.left() - size.width() - 8 >= room.left() ? frame.left() - size.width() - 8
                                                           : room.right() - size.width();
    // Level with the main window's top, but all of it on the screen.
    const int y = qMax(room.top(), qMin(frame.top(), room.bottom() - size.height()));
    move(qMax(room.left(), x), y);
}

void OpenWindow()
{
    if (TheWindow())
        return;
    auto* window = new TSimWindow;
    TheWindow() = window;
    window->show();
    // The main window may show a moment later: place beside it once it does.
    auto* placing = new QTimer(window);
    auto tries = std::make_shared<int>(0);
    QObject::connect(placing, &QTimer::timeout, window, [window, placing, tries] {
        window->PlaceBesideMainWindow();
        if (++*tries >= 20)
            placing->stop();
    });
    placing->start(250);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, [window] { delete window; });
    // A picture of the window for the documentation, once it has settled.
    const QString picture = qEnvironmentVariable("KELVORA_SIM_WINDOW_PICTURE");
    if (!picture.isEmpty())
        QTimer::singleShot(2500, window, [window, picture] {
            if (!window->grab().save(picture))
                std::fprintf(stderr, "kelvora-sim: cannot save the window's picture to %s\n", qPrintable(picture));
        });
}

}
