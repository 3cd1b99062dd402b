// The measurement log's controls and rows (see MeasureLogHost.h).
#include "MeasureLogHost.h"

#include "ColorCalc.h"
#include "Config.h"
#include "Eye1lib.h"
#include "EyeOne.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>

#include <cmath>

namespace {

// Texts are marked where they are used, so that the translation tools find them.
QString Tr(const char* text)
{
    return QCoreApplication::translate("TMeasureLogHost", text);
}

const char* const DensityStandardNames[] = {"DIN", "DIN NB", "ANSI A", "ANSI T", "SPI"};
const char* const DensityReferenceNames[] = {"Absolute", "Paper white"};
const char* const ChannelNames[] = {"Cyan", "Magenta", "Yellow", "Black"};

template <std::size_t N>
std::string NameAt(const char* const (&names)[N], int index)
{
    return index >= 0 && index < int(N) ? names[index] : std::to_string(index);
}

// The serial number as the driver gave it, control characters as blanks.
std::string PrintableSerial()
{
    std::string serial = InstrumentSerial;
    for (char& c : serial)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    return serial.empty() ? std::string("none") : serial;
}

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace

TMeasureLogHost::TMeasureLogHost(QWidget* mainSetupPage)
    : SessionStart(QDateTime::currentDateTime())
{
    // Between the Language button and the skin list, and the line above "I1 info".
    LogCB = new QCheckBox(mainSetupPage);
    LogCB->setObjectName(QStringLiteral("LogCB"));
    LogCB->setGeometry(166, 52, 210, 18);
    LogFolderBtn = new QPushButton(mainSetupPage);
    LogFolderBtn->setObjectName(QStringLiteral("LogFolderBtn"));
    LogFolderBtn->setGeometry(166, 72, 140, 22);
    LogPathL = new QLabel(mainSetupPage);
    LogPathL->setObjectName(QStringLiteral("LogPathL"));
    LogPathL->setGeometry(37, 100, 494, 20);
    LogPathL->setTextInteractionFlags(Qt::TextSelectableByMouse);

    LogCB->setChecked(Config.MeasurementLog);
    QObject::connect(LogCB, &QCheckBox::toggled, LogCB, [this](bool checked) { LogCBClick(checked); });
    QObject::connect(LogFolderBtn, &QPushButton::clicked, LogFolderBtn, [this] { LogFolderBtnClick(); });

    ChooseFolder = [mainSetupPage](const QString& current) {
        return QFileDialog::getExistingDirectory(mainSetupPage, Tr(QT_TRANSLATE_NOOP("TMeasureLogHost", "Folder of the measurement log")), current);
    };
    Retranslate();
}

QString TMeasureLogHost::EffectiveFolder()
{
    if (!Config.MeasurementLogFolder.empty())
        return QString::fromStdString(Config.MeasurementLogFolder);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

TMeasureLog& TMeasureLogHost::SessionLogFor(const QString& folder)
{
    if (!SessionLog)
        SessionLog = std::make_unique<TMeasureLog>(SessionStart, "Kelvora");
    SessionLog->SetFolder(folder);
    return *SessionLog;
}

void TMeasureLogHost::ReadingAccepted(const TAcceptedReading& reading)
{
    if (!Config.MeasurementLog)
        return;
    TMeasureLogRow row;
    row.Time = QDateTime::currentDateTime();
    row.Name = reading.Name;
    row.Serial = PrintableSerial();
    row.DensityStandard = NameAt(DensityStandardNames, Config.DensityStandardFilter);
    row.DensityReference = NameAt(DensityReferenceNames, Config.DensityReference);

    // What the page did not read comes from the instrument's last sample (the
    // same patch: no second measurement is triggered).
    if (reading.Densities) {
        row.Densities = *reading.Densities;
        row.AutoChannel = reading.Channel >= 0 ? NameAt(ChannelNames, reading.Channel) : "none";
    } else {
        float densities[EyeOne::DensityChannels] = {0, 0, 0, 0};
        int channel = -1;
        const bool read = EyeOne::I1_GetDensities(densities, channel, 0);
        for (int c = 0; c < EyeOne::DensityChannels; ++c)
            row.Densities[std::size_t(c)] = read && std::isfinite(densities[c]) ? densities[c] : 0.0f;
        row.AutoChannel = read && channel >= 0 && channel < 4 ? NameAt(ChannelNames, channel) : "none";
    }
    if (reading.Spectrum) {
        row.Spectrum = *reading.Spectrum;
    } else {
        float spectrum[EyeOne::SpectrumValues] = {};
        EyeOne::I1_GetSpectrum(spectrum, 0);
        for (int i = 0; i < EyeOne::SpectrumValues; ++i)
            row.Spectrum[std::size_t(i)] = std::isfinite(spectrum[i]) ? spectrum[i] : 0.0;
    }
    TData patch(EmptySpectrum);
    for (int i = 0; i < SpectrumSize; ++i)
        patch.Spectrum[std::size_t(i)] = row.Spectrum[std::size_t(i)];
    CalcColorValues(patch, TColorSpace::CIELAB, TIlluminant::D50, TObserver::Obs2);
    row.Lab = {patch.Coord[0], patch.Coord[1], patch.Coord[2]};

    SessionLogFor(EffectiveFolder()).Add(std::move(row));
    ShowWhere();
}

QString TMeasureLogHost::StatusAfterMeasurement(const QString& ready) const
{
    if (Config.MeasurementLog && SessionLog && SessionLog->PendingRows() > 0)
        return Tr(QT_TRANSLATE_NOOP("TMeasureLogHost", "Measurement log NOT written!"));
    return ready;
}

QString TMeasureLogHost::EndOfSession()
{
    if (!SessionLog || SessionLog->Rows().empty())
        return {};
    SessionLog->Flush();
    const int rows = int(SessionLog->Rows().size());
    const int pending = SessionLog->PendingRows();
    if (pending == 0)
        return Tr(QT_TRANSLATE_NOOP("TMeasureLogHost", "The measurement log of this session is %1 (readings: %2)."))
            .arg(Native(SessionLog->WrittenPath()))
            .arg(rows);
    return Tr(QT_TRANSLATE_NOOP("TMeasureLogHost", "The measurement log %1 could not be written: %2 readings of this session are not in it."))
        .arg(Native(SessionLog->FilePath()))
        .arg(pending);
}

void TMeasureLogHost::LogCBClick(bool checked)
{
    Config.MeasurementLog = checked;
    // Switched on again: what waited goes out now, into the current folder.
    if (checked && SessionLog)
        SessionLogFor(EffectiveFolder()).Flush();
    ShowWhere();
}

void TMeasureLogHost::LogFolderBtnClick()
{
    if (!ChooseFolder)
        return;
    const QString folder = ChooseFolder(EffectiveFolder());
    if (folder.isEmpty())
        return;  // cancelled
    Config.MeasurementLogFolder = QDir::fromNativeSeparators(folder).toStdString();
    // The whole session's log moves to the new folder with its next write.
    if (SessionLog && Config.MeasurementLog)
        SessionLogFor(EffectiveFolder()).Flush();
    ShowWhere();
}

void TMeasureLogHost::Retranslate()
{
    LogCB->setText(Tr(QT_TRANSLATE_NOOP("TMeasureLogHost", "Keep a measurement log")));
    LogFolderBtn->setText(Tr(QT_TRANSLATE_NOOP("TMeasureLogHost", "Log folder...")));
    LogFolderBtn->setToolTip(Tr(QT_TRANSLATE_NOOP("TMeasureLogHost", "Choose the folder the measurement log is written to")));
    ShowWhere();
}

void TMeasureLogHost::ShowWhere()
{
    QString text;
    const QString folder = EffectiveFolder();
    if (!Config.MeasurementLog) {
        text = Tr(QT_TRANSLATE_NOOP("TMeasureLogHost", "Measurement log off; folder: %1")).arg(Native(folder));
    } else if (!SessionLog || SessionLog->Rows().empty()) {
        text = Tr(QT_TRANSLATE_NOOP("TMeasureLogHost", "This session's log will be in %1")).arg(Native(folder));
    } else if (SessionLog->PendingRows() > 0) {
        text = Tr(QT_TRANSLATE_NOOP("TMeasureLogHost", "Cannot write %1: %2 readings kept until it can be written"))
                   .arg(Native(SessionLog->FilePath()))
                   .arg(SessionLog->PendingRows());
    } else {
        text = Tr(QT_TRANSLATE_NOOP("TMeasureLogHost", "This session's log: %1")).arg(Native(SessionLog->WrittenPath()));
    }
    LogPathL->setText(LogPathL->fontMetrics().elidedText(text, Qt::ElideMiddle, LogPathL->width()));
    LogPathL->setToolTip(text);
    if (Changed)
        Changed();
}
