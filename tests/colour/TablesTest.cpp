// The compiled CIE tables against the reference CSV files, and the name and
// caption tables.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Spectra/Spectra.h"

namespace {

std::vector<std::vector<double>> ReadCsv(const std::string& path) {
    std::ifstream in(path);
    EXPECT_TRUE(in) << path;
    std::vector<std::vector<double>> rows;
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line)) {
        std::vector<double> row;
        std::stringstream cells(line);
        std::string cell;
        while (std::getline(cells, cell, ',')) row.push_back(std::stod(cell));
        rows.push_back(row);
    }
    return rows;
}

// Characters, not bytes, of a UTF-8 text.
std::size_t CharacterCount(const char* text) {
    std::size_t n = 0;
    for (const char* p = text; *p; ++p)
        if ((static_cast<unsigned char>(*p) & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace

TEST(SpectralTables, EqualTheReferenceCsvValueForValue) {
    const auto ill = ReadCsv(std::string(KV_SHARED_DATA_DIR) + "/cie-illuminants-10nm.csv");
    const auto obs = ReadCsv(std::string(KV_SHARED_DATA_DIR) + "/cie-observers-10nm.csv");
    ASSERT_EQ(ill.size(), 41u);
    ASSERT_EQ(obs.size(), 41u);
    for (int i = 0; i < TableWavelengths; ++i) {
        EXPECT_EQ(ill[i][0], 380 + 10 * i);
        for (int il = 0; il < IlluminantCount; ++il) EXPECT_EQ(IlluminantSPD[il][i], ill[i][1 + il]) << il << " " << i;
        for (int ob = 0; ob < ObserverCount; ++ob)
            for (int c = 0; c < 3; ++c) EXPECT_EQ(ObserverCMF[ob][c][i], obs[i][1 + 3 * ob + c]) << ob << c << " " << i;
    }
}

TEST(SpectralTables, PublishedSpotValues) {
    struct Case { double actual, expected; const char* what; };
    const Case cases[] = {
        {IlluminantSPD[0][4], 21.00, "A 420 nm"},
        {IlluminantSPD[3][6], 104.86, "D65 440 nm"},
        {IlluminantSPD[4][16], 39.59, "F11 540 nm"},
        {IlluminantSPD[4][23], 55.27, "F11 610 nm"},
        {ObserverCMF[0][2][14], 0.0782, "2 deg z-bar 520 nm"},
        {ObserverCMF[0][2][25], 0.0, "2 deg z-bar 630 nm"},
        {ObserverCMF[0][1][17], 0.9950, "2 deg y-bar 550 nm"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected) << c.what;
}

TEST(NameTables, DisplayNamesInEnumerationOrder) {
    const char* spaces[] = {"CIELAB", "CIELab94", "CMC(1:1)", "CMC(2:1)", "CIELuv", "CIEXYZ", "CIExyY", "LABmg", "CIEDE2000"};
    for (int i = 0; i < ColorSpaceCount; ++i) EXPECT_STREQ(ColorSpaceNames[i], spaces[i]);
    const char* illuminants[] = {"A", "C", "D50", "D65", "F11"};
    for (int i = 0; i < IlluminantCount; ++i) EXPECT_STREQ(IlluminantNames[i], illuminants[i]);
    EXPECT_STREQ(ObserverNames[0], "2\u00B0");
    EXPECT_STREQ(ObserverNames[1], "10\u00B0");
    EXPECT_EQ(std::string(ObserverNames[0]).size(), 3u);  // one UTF-8 degree sign, two bytes
}

TEST(SpaceLabels, CaptionsAndDecimals) {
    struct Row { TColorSpace space; const char* c1; const char* c5; const char* d1; const char* d6; int decimals; };
    const Row rows[] = {
        {TColorSpace::CIELAB, "L* :", "h\u00B0 :", "dL* :", "dE* :", 2},
        {TColorSpace::CIELab94, "L :", "h\u00B0:", "dL :", "dE94 :", 2},
        {TColorSpace::CMC11, "L :", "h\u00B0:", "dL :", "dE (1:1) :", 2},
        {TColorSpace::CMC21, "L :", "h\u00B0:", "dL :", "dE (2:1) :", 2},
        {TColorSpace::CIELuv, "L :", "h\u00B0:", "dL :", "dEuv :", 2},
        {TColorSpace::CIEXYZ, "X :", "", "dX :", "dE :", 2},
        {TColorSpace::CIExyY, "x :", "", "dx :", "dE :", 4},
        {TColorSpace::LABmg, "Lmg :", "hmg :", "dL :", "dEmg :", 2},
        {TColorSpace::CIEDE2000, "L* :", "h\u00B0 :", "dL* :", "dE00 :", 2},
    };
    for (const auto& r : rows) {
        const TSpaceLabels& l = SpaceLabels[static_cast<int>(r.space)];
        SCOPED_TRACE(ColorSpaceNames[static_cast<int>(r.space)]);
        EXPECT_STREQ(l.Coord[0], r.c1);
        EXPECT_STREQ(l.Coord[4], r.c5);
        EXPECT_STREQ(l.Delta[0], r.d1);
        EXPECT_STREQ(l.Delta[5], r.d6);
        EXPECT_EQ(l.Decimals, r.decimals);
        for (const char* c : l.Coord) EXPECT_LE(CharacterCount(c), 5u) << c;
        for (const char* d : l.Delta) EXPECT_LE(CharacterCount(d), 12u) << d;
    }
    // XYZ and xyY have no fourth and fifth coordinate nor their differences.
    for (TColorSpace s : {TColorSpace::CIEXYZ, TColorSpace::CIExyY}) {
        const TSpaceLabels& l = SpaceLabels[static_cast<int>(s)];
        EXPECT_STREQ(l.Coord[3], "");
        EXPECT_STREQ(l.Coord[4], "");
        EXPECT_STREQ(l.Delta[3], "");
        EXPECT_STREQ(l.Delta[4], "");
    }
    EXPECT_STREQ(SpaceLabels[static_cast<int>(TColorSpace::CIELuv)].Coord[1], "u :");
    EXPECT_STREQ(SpaceLabels[static_cast<int>(TColorSpace::CIELuv)].Delta[2], "dv :");
}
