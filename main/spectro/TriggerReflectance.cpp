// The trigger sequence of the spectro page handlers (see TriggerReflectance.h).
#include "TriggerReflectance.h"

#include "EyeOne.h"
#include "PageHost.h"

namespace {
constexpr int CalibrationNeeded = 3;  // trigger answer: calibrate first
}

bool TriggerReflectanceMeasurement(TPageHost& host)
{
    if (EyeOne::I1_IsConnected() != 0)
        return false;
    EyeOne::I1_SetOption("MeasurementMode", "SingleReflectance");
    if (EyeOne::I1_TriggerMeasurement() == CalibrationNeeded) {
        host.EnableStartupTimer();
        return false;
    }
    return true;
}
