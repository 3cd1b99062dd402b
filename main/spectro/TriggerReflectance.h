// The trigger sequence the spectro page handlers start with: a single
// reflectance measurement, or the start-up sequence when the instrument asks
// for calibration.
#pragma once

class TPageHost;

// Nothing happens without a connected instrument. Otherwise the instrument is
// set to "SingleReflectance" and triggered; when it answers that it must be
// calibrated first, the host's start-up sequence is switched on. True when the
// handler may go on and read the spectrum of sample 0.
bool TriggerReflectanceMeasurement(TPageHost& host);
