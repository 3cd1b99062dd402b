// What a group of measurement pages needs from the main window that holds it.
// The main window implements it; tests may pass a small fake.
#pragma once

#include <array>
#include <optional>
#include <string>

class QWidget;
class TData;

// A reading that a page accepted, for the measurement log. The page names
// where it was taken and hands over what it read; the host reads the rest of
// the patch (spectrum or densities) from the instrument itself.
struct TAcceptedReading {
    std::string Name;                                 // page and step, "Dot Gain 50%"
    std::optional<std::array<float, 4>> Densities;    // cyan, magenta, yellow, black
    int Channel = -1;                                 // recognised channel 0 .. 3, -1 none
    std::optional<std::array<double, 36>> Spectrum;   // reflectance factors 380 .. 730 nm
};

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
    // Every reading the page accepted (never one it ignored). Nothing happens
    // unless the operator keeps a measurement log.
    virtual void ReadingAccepted(const TAcceptedReading& reading) { (void)reading; }
};
