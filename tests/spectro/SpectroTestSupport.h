// Small helpers shared by the spectro page tests: readable texts in failure
// messages, worked spectra, and a fixture that starts from the program's
// default settings and viewing conditions in the C locale.
#pragma once

#include "Config.h"
#include "TData.h"

#include <QLocale>
#include <QString>

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace spectrotest {

inline TSpectrum Flat(double value)
{
    TSpectrum s;
    s.fill(value);
    return s;
}

// 0.4 + red · band(650 nm) − green · band(550 nm), bands 40 nm wide.
inline TSpectrum TwoBands(double red, double green)
{
    TSpectrum s;
    for (int i = 0; i < SpectrumSize; ++i) {
        const double w = 380.0 + 10.0 * i;
        const auto band = [w](double centre) { return std::exp(-((w - centre) / 40) * ((w - centre) / 40)); };
        s[std::size_t(i)] = 0.4 + red * band(650) - green * band(550);
    }
    return s;
}

class TSpectroFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        Config = ConfigType{};
        CurColorSpace = TColorSpace::CIELAB;
        CurIlluminant = TIlluminant::D50;
        CurObserver = TObserver::Obs2;
        LocaleBefore = QLocale();
        QLocale::setDefault(QLocale::c());
    }
    void TearDown() override
    {
        Config = ConfigType{};
        CurColorSpace = TColorSpace::CIELAB;
        CurIlluminant = TIlluminant::D50;
        CurObserver = TObserver::Obs2;
        QLocale::setDefault(LocaleBefore);
    }
    QLocale LocaleBefore;
};

}  // namespace spectrotest
