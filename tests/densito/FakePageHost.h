// A page host that records what the pages ask of the main window.
#pragma once

#include "main/PageHost.h"

class TFakePageHost : public TPageHost {
public:
    void EnableStartupTimer() override { ++StartupTimerCalls; }
    void SetBlinkShape(QWidget* frame) override { BlinkShape = frame; }
    void FocusDummy() override { ++FocusDummyCalls; }
    TData* SampleData() override { return nullptr; }
    TData* MeasureData() override { return nullptr; }

    int StartupTimerCalls = 0;
    int FocusDummyCalls = 0;
    QWidget* BlinkShape = nullptr;
};
