// A page host that records what the pages ask of the main window.
#pragma once

#include "main/PageHost.h"

#include <vector>

class TFakePageHost : public TPageHost {
public:
    void EnableStartupTimer() override { ++StartupTimerCalls; }
    void SetBlinkShape(QWidget* frame) override { BlinkShape = frame; }
    void FocusDummy() override { ++FocusDummyCalls; }
    TData* SampleData() override { return nullptr; }
    TData* MeasureData() override { return nullptr; }
    void ReadingAccepted(const TAcceptedReading& reading) override { Accepted.push_back(reading); }

    int StartupTimerCalls = 0;
    int FocusDummyCalls = 0;
    QWidget* BlinkShape = nullptr;
    std::vector<TAcceptedReading> Accepted;  // the readings the pages handed over for the log
};
