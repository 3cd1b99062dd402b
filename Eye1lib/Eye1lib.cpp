// Instrument operations over the driver binding: connection check with the
// serial number, the chain of default options, calibration, and the folder
// the program treats as its own.
#include "Eye1lib.h"

#include "EyeOne.h"
#include "WaitCursor.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

bool InstrumentConnected = false;
std::string InstrumentSerial;

std::function<bool()> ControlKeyHeld = [] {
    return (QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier) != 0;
};

int CheckInstrument()
{
    // Holding Control starts the program without an instrument: not a single
    // call reaches the library then.
    if ((ControlKeyHeld && ControlKeyHeld()) || !EyeOne::IsLoaded())
        return ResultNoInstrument;
    TWaitCursor wait;
    InstrumentConnected = EyeOne::I1_IsConnected() == 0;
    InstrumentSerial = EyeOne::I1_GetOption("SerialNumber");
    return InstrumentConnected ? 0 : ResultNoInstrument;
}

int SetDefaultOptions()
{
    if (!EyeOne::IsLoaded())
        return ResultNoInstrument;
    static const char* const Defaults[][2] = {
        {"Colorimetric.Illumination", "D50"},
        {"Colorimetric.Observer", "TwoDegree"},
        {"Colorimetric.WhiteBase", "Absolute"},
        {"Colorimetric.DensityStandard", "DIN"},
        {"Colorimetric.DensityFilterMode", "Auto"},
        {"MeasurementMode", "SingleReflectance"},
    };
    int result = 0;
    for (const auto& option : Defaults) {
        result = EyeOne::I1_SetOption(option[0], option[1]);
        if (result != 0)
            break;  // the rest of the chain is not sent
    }
    EyeOne::I1_SetOption("Recognition", "no");  // always, answer ignored
    return result;
}

int CalibrateInstrument()
{
    if (!EyeOne::IsLoaded())
        return ResultNoInstrument;
    TWaitCursor wait;
    int result = EyeOne::I1_SetOption("MeasurementMode", "SingleReflectance");
    if (result == 0)
        result = EyeOne::I1_Calibrate();
    return result;
}

namespace {

QString& ExeFolderOverride()
{
    static QString folder;
    return folder;
}

QString WithSeparator(QString folder)
{
    folder = QDir::fromNativeSeparators(folder);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

}  // namespace

void SetExeFolderOverride(const QString& folder)
{
    ExeFolderOverride() = folder;
}

QString ExeFolder()
{
    if (!ExeFolderOverride().isEmpty())
        return WithSeparator(QDir(ExeFolderOverride()).absolutePath());
    const QString fromEnvironment = qEnvironmentVariable("KELVORA_EXE_FOLDER");
    if (!fromEnvironment.isEmpty())
        return WithSeparator(QDir(fromEnvironment).absolutePath());
    return WithSeparator(QCoreApplication::applicationDirPath());
}
