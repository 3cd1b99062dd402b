// What a group of measurement pages needs from the main window that holds it.
// The main window implements it; tests may pass a small fake.
#pragma once

class QWidget;
class TData;

class TPageHost {
public:
    virtual ~TPageHost() = default;
    // A trigger answered 3 (calibration needed): run the start-up sequence again.
    virtual void EnableStartupTimer() = 0;
    // The step frame that the blink timer shows and hides in turn.
    virtual void SetBlinkShape(QWidget* frame) = 0;
    // Keyboard focus back to the invisible focus sink after a list choice.
    virtual void FocusDummy() = 0;
    virtual TData* SampleData() = 0;
    virtual TData* MeasureData() = 0;
};
