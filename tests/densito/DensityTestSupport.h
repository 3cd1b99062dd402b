// Small helpers shared by the densitometry tests.
#pragma once

#include "Data/Config.h"
#include "DensitoState.h"

#include <gtest/gtest.h>

#include <QString>

#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline TDensityMeasurement Reading(float cyan, float magenta, float yellow, float black, TDensityChannel channel)
{
    TDensityMeasurement reading;
    reading.Densities = {cyan, magenta, yellow, black};
    reading.Channel = channel;
    return reading;
}

// Every test starts from the default settings and leaves them so.
class TConfigFixture : public ::testing::Test {
protected:
    void SetUp() override { Config = ConfigType{}; }
    void TearDown() override { Config = ConfigType{}; }
};

// A patch colour source that counts its calls.
struct TFakePatchColor {
    QColor Color = QColor(0x12, 0x34, 0x56);
    int Calls = 0;
    TPatchColorSource Source()
    {
        return [this] {
            ++Calls;
            return Color;
        };
    }
};
