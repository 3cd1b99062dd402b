// Step logic of the Trapping page: substrate, first down ink, second down
// ink and their overprint, giving the apparent trap of the second ink on the
// first.
#pragma once

#include "DensitoState.h"

#include <QString>

#include <array>
#include <optional>

enum class TTrappingPrompt { FirstDown, SecondDown, Overprint };
// "Measure first down color", "Measure second down color", "Measure overprint".
QString TrappingPromptText(TTrappingPrompt prompt);

class TTrappingModel {
public:
    // Swatch and step numbers: 0 ShTr0 (substrate), 1 ShTR1 (first down),
    // 2 ShTR2 (second down), 3 ShTR3 (overprint).
    static constexpr int Swatches = 4;

    TTrappingModel() { Reset(); }
    void Reset();
    void Measure(const TDensityMeasurement& reading, const TPatchColorSource& patchColor);
    // ShTR1 pressed: the sequence starts again at the first down colour (the
    // substrate enters no figure, so it need not be measured again).
    void RestartAtFirstDown();

    int Step = 0;  // the frame surrounds swatch Step

    // The pair recorded in the running sequence; each is cleared when its step
    // comes round again, so an overprint is never evaluated against the inks
    // of an earlier sequence.
    struct TDownColor {
        TDensityChannel Channel = TDensityChannel::Cyan;
        std::array<float, DensityChannelCount> Densities{};
    };
    std::optional<TDownColor> FirstDown;   // FirstDownDensities, FirstDownName
    std::optional<TDownColor> SecondDown;  // SecondDownChannel, SecondDownDensity, SecondDownName

    QString SubstrateText;  // Trl0
    std::array<QString, 2> DownValueText;   // TrL1, TrL2
    std::array<QString, 2> DownLetterText;  // TRLl1, TRLl2
    QString TrapText;                       // TrL3
    TTrappingPrompt Prompt = TTrappingPrompt::FirstDown;  // Msg
    std::array<QColor, Swatches> SwatchColor;
};
