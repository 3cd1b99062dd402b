// Trapping page.
#include "TrappingModel.h"

#include "DensityFormat.h"
#include "DensityFormulas.h"

#include <QCoreApplication>

QString TrappingPromptText(TTrappingPrompt prompt)
{
    switch (prompt) {
    case TTrappingPrompt::FirstDown:
        return QCoreApplication::translate("TDensitometryPages", "Measure first down color");
    case TTrappingPrompt::SecondDown:
        return QCoreApplication::translate("TDensitometryPages", "Measure second down color");
    case TTrappingPrompt::Overprint:
        return QCoreApplication::translate("TDensitometryPages", "Measure overprint");
    }
    return {};
}

void TTrappingModel::Reset()
{
    Step = 0;
    FirstDown.reset();
    SecondDown.reset();
    SubstrateText = QStringLiteral("?");
    DownValueText.fill(DensityFormat(0.0));
    DownLetterText.fill(QStringLiteral("-"));
    TrapText = PercentText(0.0);
    Prompt = TTrappingPrompt::FirstDown;
    SwatchColor.fill(SwatchIdleGrey);
}

void TTrappingModel::RestartAtFirstDown()
{
    Step = 1;
    Prompt = TTrappingPrompt::FirstDown;
}

void TTrappingModel::Measure(const TDensityMeasurement& reading, const TPatchColorSource& patchColor)
{
    const TDensityChannel a = reading.Channel;
    const bool processInk = a != TDensityChannel::Black;
    auto color = [&] { return patchColor ? patchColor() : SwatchClearGrey; };

    switch (Step) {
    case 0:  // substrate: nothing of it enters the figures
        DownValueText[1].clear();
        TrapText.clear();
        SwatchColor[2] = SwatchClearGrey;
        SwatchColor[3] = SwatchClearGrey;
        SwatchColor[0] = Qt::white;
        SubstrateText = QCoreApplication::translate("TDensitometryPages", "OK!");
        break;
    case 1:
        FirstDown.reset();
        SecondDown.reset();
        if (processInk) {
            FirstDown = TDownColor{a, reading.Densities};
            DownValueText[0] = DensityFormat(reading[a]);
            DownLetterText[0] = ChannelShortName(a);
            SwatchColor[1] = color();
            Prompt = TTrappingPrompt::SecondDown;
        }
        break;
    case 2:
        SecondDown.reset();
        // A second down colour of the first one's ink has no trap; it is
        // passed over like black.
        if (processInk && !(FirstDown && FirstDown->Channel == a)) {
            SecondDown = TDownColor{a, reading.Densities};
            DownValueText[1] = DensityFormat(reading[a]);
            DownLetterText[1] = ChannelShortName(a);
            SwatchColor[2] = color();
            Prompt = TTrappingPrompt::Overprint;
        }
        break;
    case 3:
        SwatchColor[3] = color();
        if (FirstDown && SecondDown) {
            const TDensityChannel f = SecondDown->Channel;
            const int fi = ChannelIndex(f);
            const std::optional<double> trap =
                PreucilTrap(reading[f], FirstDown->Densities[fi], SecondDown->Densities[fi]);
            TrapText = QCoreApplication::translate("TDensitometryPages", "%1 on %2 = %3")
                           .arg(ChannelShortName(f).left(1), ChannelLongName(FirstDown->Channel).left(1),
                                PercentText(trap));
        } else {
            TrapText = NoValueText();
        }
        Prompt = TTrappingPrompt::FirstDown;
        break;
    }
    Step = Step == Swatches - 1 ? 0 : Step + 1;
}
