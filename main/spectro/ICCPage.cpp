// The ICC conversion page: its controls, the profile choice, the intent and
// the measurement handler. Colour work is done by the colour management
// (OutputProfile.h, CMS.h) and the colour engine; this file shows results.
#include "ICCPage.h"

#include "CMS.h"
#include "ColorCalc.h"
#include "Config.h"
#include "Eye1lib.h"
#include "EyeOne.h"
#include "PageHost.h"
#include "TData.h"
#include "TriggerReflectance.h"

#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr int StartIntent = 1;  // RELATIVE COLORIMETRIC
const QColor PanelColor(0xEE, 0xEE, 0xEE);
const QColor ValueColor(0x00, 0x00, 0x80);    // navy
const QColor SwatchStartColor(0x80, 0x80, 0x80);  // grey

QLabel* ValueLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ValueColor);
    label->setPalette(palette);
    label->setMinimumWidth(60);
    return label;
}

QFrame* Swatch(const QString& name, QWidget* parent)
{
    auto* swatch = new QFrame(parent);
    swatch->setObjectName(name);
    swatch->setFixedSize(80, 120);
    swatch->setFrameShape(QFrame::Box);
    swatch->setFrameShadow(QFrame::Plain);
    swatch->setLineWidth(1);
    swatch->setAutoFillBackground(true);
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, SwatchStartColor);
    palette.setColor(QPalette::WindowText, Qt::black);  // the outline
    swatch->setPalette(palette);
    return swatch;
}

// Only the fill changes; the outline stays as it is.
void FillSwatch(QFrame* swatch, const TScreenColor& colour)
{
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, QColor(colour.R, colour.G, colour.B));
    swatch->setPalette(palette);
}

// Two decimals with the locale's decimal separator.
QString TwoDecimals(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', 2);
}

void AddCaptionedValue(QGridLayout* grid, int row, QLabel* caption, QLabel* value)
{
    grid->addWidget(caption, row, 0, Qt::AlignRight);
    grid->addWidget(value, row, 1);
}

}  // namespace

TICCPage::TICCPage(TPageHost& host, QWidget* page, QObject* parent)
    : QObject(parent), Host(host), Page(page)
{
    ChooseProfilePath = [this](const QString& folder, const QString& filter) {
        return QFileDialog::getOpenFileName(Page->window(), QString(), folder, filter);
    };
    BuildControls();
    Retranslate();
    Page->installEventFilter(this);

    connect(SelICCbtn, &QPushButton::clicked, this, [this] { SelICCbtnClick(); });
    connect(IntentCB, &QComboBox::currentIndexChanged, this, [this](int) { IntentCBChange(); });
}

void TICCPage::BuildControls()
{
    // The page widget comes empty; should it already carry a layout, the
    // controls go into a widget of their own inside it.
    QWidget* area = Page;
    if (Page->layout() != nullptr) {
        area = new QWidget(Page);
        Page->layout()->addWidget(area);
    }
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(16, 16, 16, 16);
    column->setSpacing(10);

    SelICCbtn = new QPushButton(area);
    SelICCbtn->setObjectName(QStringLiteral("SelICCbtn"));
    SelICCbtn->setMinimumWidth(90);
    ProfileL = new QLabel(area);
    ProfileL->setObjectName(QStringLiteral("ProfileL"));
    auto* profileRow = new QHBoxLayout;
    profileRow->addWidget(SelICCbtn);
    profileRow->addSpacing(8);
    profileRow->addWidget(ProfileL, 1);
    column->addLayout(profileRow);

    DescriptionCaption = new QLabel(area);
    ProfileDL = new QLabel(area);
    ProfileDL->setObjectName(QStringLiteral("ProfileDL"));
    auto* descriptionRow = new QHBoxLayout;
    descriptionRow->addWidget(DescriptionCaption);
    descriptionRow->addWidget(ProfileDL, 1);
    column->addLayout(descriptionRow);

    IntentCaption = new QLabel(area);
    IntentCB = new QComboBox(area);
    IntentCB->setObjectName(QStringLiteral("IntentCB"));
    IntentCB->setMinimumWidth(220);
    for (int i = 0; i < 4; ++i)
        IntentCB->addItem(QString());
    auto* intentRow = new QHBoxLayout;
    intentRow->addWidget(IntentCaption);
    intentRow->addWidget(IntentCB);
    intentRow->addStretch(1);
    column->addLayout(intentRow);

    Panel = new QFrame(area);
    Panel->setObjectName(QStringLiteral("ICCPanel"));
    Panel->setAutoFillBackground(true);
    QPalette panelPalette = Panel->palette();
    panelPalette.setColor(QPalette::Window, PanelColor);
    Panel->setPalette(panelPalette);
    auto* panelRow = new QHBoxLayout(Panel);
    panelRow->setContentsMargins(16, 16, 16, 16);

    auto* labGrid = new QGridLayout;
    LCaption = new QLabel(Panel);
    ACaption = new QLabel(Panel);
    BCaption = new QLabel(Panel);
    ICCLl = ValueLabel(QStringLiteral("ICCLl"), QStringLiteral("0.00"), Panel);
    ICCal = ValueLabel(QStringLiteral("ICCal"), QStringLiteral("0.00"), Panel);
    ICCbl = ValueLabel(QStringLiteral("ICCbl"), QStringLiteral("0.00"), Panel);
    AddCaptionedValue(labGrid, 0, LCaption, ICCLl);
    AddCaptionedValue(labGrid, 1, ACaption, ICCal);
    AddCaptionedValue(labGrid, 2, BCaption, ICCbl);
    panelRow->addLayout(labGrid);
    panelRow->addStretch(1);

    ICCSh1 = Swatch(QStringLiteral("ICCSh1"), Panel);
    ICCSh2 = Swatch(QStringLiteral("ICCSh2"), Panel);
    panelRow->addWidget(ICCSh1);
    panelRow->addSpacing(4);
    panelRow->addWidget(ICCSh2);
    panelRow->addStretch(1);

    auto* deviceGrid = new QGridLayout;
    CCaption = new QLabel(Panel);
    MCaption = new QLabel(Panel);
    YCaption = new QLabel(Panel);
    KCaption = new QLabel(Panel);
    CCs = ValueLabel(QStringLiteral("CCs"), QStringLiteral("0"), Panel);
    MMs = ValueLabel(QStringLiteral("MMs"), QStringLiteral("0"), Panel);
    YYs = ValueLabel(QStringLiteral("YYs"), QStringLiteral("0"), Panel);
    KKs = ValueLabel(QStringLiteral("KKs"), QStringLiteral("0"), Panel);
    AddCaptionedValue(deviceGrid, 0, CCaption, CCs);
    AddCaptionedValue(deviceGrid, 1, MCaption, MMs);
    AddCaptionedValue(deviceGrid, 2, YCaption, YYs);
    AddCaptionedValue(deviceGrid, 3, KCaption, KKs);
    panelRow->addLayout(deviceGrid);

    column->addWidget(Panel);
    column->addStretch(1);
}

void TICCPage::Retranslate()
{
    SelICCbtn->setText(tr("Profile"));
    if (!ProfileShown)
        ProfileL->setText(tr("None"));
    DescriptionCaption->setText(tr("Description:"));
    IntentCaption->setText(tr("Intent:"));
    const QString intents[4] = {tr("PERCEPTUAL"), tr("RELATIVE COLORIMETRIC"), tr("SATURATION"),
                                tr("ABSOLUTE COLORIMETRIC")};
    for (int i = 0; i < 4; ++i)
        IntentCB->setItemText(i, intents[i]);
    LCaption->setText(tr("L :"));
    ACaption->setText(tr("a :"));
    BCaption->setText(tr("b :"));
    CCaption->setText(tr("C :"));
    MCaption->setText(tr("M :"));
    YCaption->setText(tr("Y :"));
    KCaption->setText(tr("K :"));
}

bool TICCPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Page && event->type() == QEvent::LanguageChange)
        Retranslate();
    return QObject::eventFilter(watched, event);
}

QString TICCPage::ProfileFilter() const
{
    return tr("ICC profiles (*.icm *.icc)");
}

void TICCPage::ShowProfile(const QString& path, const QString& description)
{
    ProfileShown = !description.isEmpty();
    ProfileL->setText(ProfileShown ? QFileInfo(path).fileName() : tr("None"));
    ProfileDL->setText(description);
}

void TICCPage::InitControls()
{
    {
        const QSignalBlocker quiet(IntentCB);  // the start value is no operator's choice
        IntentCB->setCurrentIndex(StartIntent);
    }
    const QString saved = QString::fromStdString(Config.ProfileName);
    ShowProfile(saved, ProfileDescription(saved));
}

void TICCPage::SelICCbtnClick()
{
    const QString path = ChooseProfilePath(ExeFolder(), ProfileFilter());
    if (path.isEmpty())
        return;
    const QString description = ProfileDescription(path);
    if (description.isEmpty())
        return;  // not a CMYK output profile: the previous one stays in force
    Config.ProfileName = path.toStdString();
    ShowProfile(path, description);
    ShowDeviceValues(Host.SampleData());
    ShowDeviceValues(Host.MeasureData());
}

void TICCPage::IntentCBChange()
{
    ShowDeviceValues(Host.SampleData());
    ShowDeviceValues(Host.MeasureData());
    Host.FocusDummy();
}

void TICCPage::ShowDeviceValues(TData* record)
{
    if (Config.ProfileName.empty() || record == nullptr)
        return;
    CalcColorValues(*record, TColorSpace::CIELAB, CurIlluminant, CurObserver);
    if (record->Coord[0] == 0)
        return;
    // A saved profile that no longer opens (or is no CMYK output profile)
    // gives no conversion; the values shown stay.
    const std::optional<TDeviceColor> device =
        LabToDevice(QString::fromStdString(Config.ProfileName), record->Coord[0], record->Coord[1],
                    record->Coord[2], IntentCB->currentIndex());
    if (!device)
        return;
    QLabel* const labels[4] = {CCs, MMs, YYs, KKs};
    for (int i = 0; i < 4; ++i)
        labels[i]->setText(QString::number(DevicePercent((*device)[std::size_t(i)])));
}

void TICCPage::MeasureICCPage()
{
    if (!TriggerReflectanceMeasurement(Host))
        return;

    float spectrum[EyeOne::SpectrumValues] = {};
    EyeOne::I1_GetSpectrum(spectrum, 0);
    TData patch(EmptySpectrum);
    for (int i = 0; i < SpectrumSize; ++i)
        patch.Spectrum[std::size_t(i)] = spectrum[i];

    // Device values under the current illuminant; shown Lab and swatches under D50.
    ShowDeviceValues(&patch);
    CalcColorValues(patch, TColorSpace::CIELAB, TIlluminant::D50, CurObserver);
    const TScreenColor colour = LabToScreen(patch.Coord[0], patch.Coord[1], patch.Coord[2]);
    FillSwatch(ICCSh1, colour);
    FillSwatch(ICCSh2, colour);
    ICCLl->setText(TwoDecimals(patch.Coord[0]));
    ICCal->setText(TwoDecimals(patch.Coord[1]));
    ICCbl->setText(TwoDecimals(patch.Coord[2]));

    // Not one usable value from the driver (every non-finite value becomes
    // 0): no reading of the patch for the measurement log.
    if (SpectrumIsEmpty(patch.Spectrum))
        return;
    TAcceptedReading accepted;
    accepted.Name = "ICC conversion";
    accepted.Spectrum = patch.Spectrum;
    Host.ReadingAccepted(accepted);
}
