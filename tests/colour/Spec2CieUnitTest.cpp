// Building blocks of the calculator: field names, numbers, text escaping and
// the viewing-condition names.
#include <gtest/gtest.h>

#include <limits>

#include "Report.h"
#include "Spec2Cie.h"
#include "SpectralInput.h"

using namespace spec2cie;

TEST(SpectralFieldWavelength, AcceptedSpellings) {
    struct Case { const char* name; int nm; };
    const Case good[] = {{"SPECTRAL_380", 380}, {"spectral_730", 730}, {"SPECTRAL_NM380", 380},
                         {"SPECTRAL_NM_550", 550}, {"SPEC_400", 400}, {"nm380", 380},
                         {"NM_700", 700}, {"540nm", 540}, {"540_NM", 540}, {"380", 380}, {"SPECTRAL_385", 385}};
    for (const auto& c : good) EXPECT_EQ(SpectralFieldWavelength(c.name), c.nm) << c.name;
    for (const char* bad : {"SAMPLE_ID", "SPECTRAL_NORM", "LAB_L", "SPECTRAL_", "nm", "SPECTRAL_38O", "", "CMYK_C"})
        EXPECT_FALSE(SpectralFieldWavelength(bad)) << bad;
}

TEST(ParseNumber, WholeFiniteNumbersOnly) {
    struct Case { const char* text; double value; };
    const Case good[] = {{"12.5", 12.5}, {" -0.25 ", -0.25}, {"1e-3", 0.001}, {"+3", 3.0}, {"100", 100.0}, {".5", 0.5}};
    for (const auto& c : good) EXPECT_EQ(ParseNumber(c.text), c.value) << c.text;
    for (const char* bad : {"", " ", "abc", "1,5", "nan", "inf", "-inf", "1e999", "12.5x", "0x10", "1 2", "--1"})
        EXPECT_FALSE(ParseNumber(bad)) << bad;
}

TEST(Report, TextEscaping) {
    EXPECT_EQ(JsonString("A1"), "\"A1\"");
    EXPECT_EQ(JsonString("say \"hi\"\\"), "\"say \\\"hi\\\"\\\\\"");
    EXPECT_EQ(JsonString("tab\there\n"), "\"tab\\u0009here\\u000a\"");
    EXPECT_EQ(JsonString("Gr\xC3\xBCn 10\xC2\xB0"), "\"Gr\xC3\xBCn 10\xC2\xB0\"");  // UTF-8 kept
    EXPECT_EQ(JsonString("Gr\xFCn"), "\"Gr\\u00fcn\"");                           // a Latin-1 byte
    EXPECT_EQ(JsonString("\xE0\x80\x80"), "\"\\u00e0\\u0080\\u0080\"");           // overlong: not UTF-8
    EXPECT_EQ(CsvCell("A1"), "A1");
    EXPECT_EQ(CsvCell("Cyan, 100 %"), "\"Cyan, 100 %\"");
    EXPECT_EQ(CsvCell("5\" patch"), "\"5\"\" patch\"");
    EXPECT_EQ(NumberText(76.06926101423), "76.0692610142");
    EXPECT_EQ(NumberText(0.000001), "1e-06");
    EXPECT_EQ(NumberText(std::numeric_limits<double>::quiet_NaN()), "");
}

TEST(ViewingConditionNames, LookupsAcceptDisplayAndShortNames) {
    EXPECT_EQ(ColorSpaceByName("cmc(2:1)"), TColorSpace::CMC21);
    EXPECT_EQ(ColorSpaceByName("CMC11"), TColorSpace::CMC11);
    EXPECT_EQ(ColorSpaceByName("ciexyy"), TColorSpace::CIExyY);
    EXPECT_EQ(ColorSpaceByName("labmg"), TColorSpace::LABmg);
    EXPECT_EQ(ColorSpaceByName("CIEDE2000"), TColorSpace::CIEDE2000);
    EXPECT_EQ(ColorSpaceByName("de2000"), TColorSpace::CIEDE2000);
    EXPECT_EQ(ColorSpaceByName("dE00"), TColorSpace::CIEDE2000);
    EXPECT_FALSE(ColorSpaceByName("CIEDE1994"));
    EXPECT_EQ(IlluminantByName("d65"), TIlluminant::D65);
    EXPECT_FALSE(IlluminantByName("D75"));
    EXPECT_EQ(ObserverByName("10"), TObserver::Obs10);
    EXPECT_EQ(ObserverByName("2\u00B0"), TObserver::Obs2);
    EXPECT_EQ(ObserverByName("10\u00B0"), TObserver::Obs10);
    EXPECT_FALSE(ObserverByName("5"));
}

TEST(Calculate, ReferenceOutsideTheSamplesGivesNothing) {
    TConditions c;
    c.Reference = 3;
    EXPECT_TRUE(Calculate(std::vector<TSpectrum>(2, TSpectrum{}), c).empty());
    c.Reference = 0;
    EXPECT_TRUE(Calculate(std::vector<TSpectrum>(2, TSpectrum{}), c).empty());
}
