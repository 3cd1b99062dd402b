// The command-line calculator run as a program on real-looking measurement
// files: output formats, agreement with the colour engine, and refusal of bad
// input with a message naming the file, line and field and nothing on stdout.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>
#if !defined(_WIN32)
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "Data/ColorCalc.h"
#include "SpectralInput.h"

namespace fs = std::filesystem;

namespace {

const std::string Exe = KV_SPEC2CIE_EXE;
const std::string DataDir = KV_COLOUR_TEST_DATA;

std::string Fixture(const std::string& name) { return DataDir + "/" + name; }

struct TRun {
    int Code = -1;
    std::string Out, Err;
};

std::string ReadText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Quoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

fs::path ScratchDir() {
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / ("kv_spec2cie_test_" + std::to_string(::getpid()));
        fs::create_directories(d);
        return d;
    }();
    return dir;
}

// Runs the calculator; stdout and stderr are caught in files. `stdoutPath`
// replaces the stdout file (e.g. /dev/full).
TRun RunCalculator(const std::vector<std::string>& args, const std::string& stdoutPath = "") {
    const fs::path out = ScratchDir() / "out.txt", err = ScratchDir() / "err.txt";
    std::string command = Quoted(Exe);
    for (const auto& a : args) command += " " + Quoted(a);
    command += " >" + Quoted(stdoutPath.empty() ? out.string() : stdoutPath) + " 2>" + Quoted(err.string());
    fs::remove(out);
    const int status = std::system(command.c_str());
    TRun r;
    r.Code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.Out = stdoutPath.empty() ? ReadText(out) : "";
    r.Err = ReadText(err);
    return r;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream s(text);
    std::string l;
    while (std::getline(s, l)) lines.push_back(l);
    return lines;
}

std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells;
    std::stringstream s(line);
    std::string c;
    while (std::getline(s, c, ',')) cells.push_back(c);
    if (!line.empty() && line.back() == ',') cells.push_back("");
    return cells;
}

}  // namespace

TEST(Spec2Cie, GoodFilesInEveryFormat) {
    struct Case { const char* file; std::size_t samples; };
    const Case cases[] = {{"press-check-percent.txt", 6}, {"factor-nm-fields-crlf.txt", 4},
                          {"dark-spectral-norm.txt", 2},   {"spectra.csv", 2},
                          {"bare-factors.csv", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const TRun table = RunCalculator({Fixture(c.file)});
        EXPECT_EQ(table.Code, 0);
        EXPECT_EQ(table.Err, "");
        EXPECT_NE(table.Out.find("Conditions:  CIELAB\\D50\\2\u00B0"), std::string::npos);
        const TRun csv = RunCalculator({"--format", "csv", Fixture(c.file)});
        EXPECT_EQ(csv.Code, 0);
        const auto csvLines = Lines(csv.Out);
        ASSERT_EQ(csvLines.size(), c.samples + 1);
        for (const auto& l : csvLines) EXPECT_EQ(Cells(l).size(), 20u) << l;
        const TRun json = RunCalculator({"--format=json", Fixture(c.file)});
        EXPECT_EQ(json.Code, 0);
        const auto jsonLines = Lines(json.Out);
        ASSERT_EQ(jsonLines.size(), c.samples);
        for (const auto& l : jsonLines) {
            EXPECT_EQ(l.rfind("{\"sample\":", 0), 0u) << l;
            EXPECT_EQ(l.back(), '}');
            EXPECT_NE(l.find("\"metamerism_index\":"), std::string::npos);
            EXPECT_EQ(l.find(":nan"), std::string::npos);
            EXPECT_EQ(l.find(":-nan"), std::string::npos);
        }
        EXPECT_NE(jsonLines[0].find("\"reference\":true"), std::string::npos);
    }
}

TEST(Spec2Cie, CsvAgreesWithTheColourEngineToTwelveDigits) {
    const TRun run = RunCalculator({"--format", "csv", "--space", "CMC(2:1)", "--illuminant", "D65", "--observer", "10",
                          "--reference", "3", "--metamerism-illuminant", "F11", Fixture("press-check-percent.txt")});
    ASSERT_EQ(run.Code, 0) << run.Err;
    const auto lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0],
              "sample,id,reference,X,Y,Z,x,y,CMC(2:1).L,CMC(2:1).a,CMC(2:1).b,CMC(2:1).C,CMC(2:1).h\u00B0,"
              "dL,da,db,dC,dh,dE (2:1),MI");

    spec2cie::TSpectralFile file;
    spec2cie::TInputError error;
    ASSERT_TRUE(spec2cie::ReadSpectralFile(Fixture("press-check-percent.txt"), spec2cie::TScale::Auto, file, error));
    for (std::size_t i = 0; i < file.Samples.size(); ++i) {
        TData r(EmptySpectrum), s(EmptySpectrum);
        r.Spectrum = file.Samples[2].Spectrum;
        s.Spectrum = file.Samples[i].Spectrum;
        CalcDeltaE(r, s, TColorSpace::CMC21, TIlluminant::D65, TObserver::Obs10);
        const double deltas[6] = {s.DeltaL, s.DeltaA, s.DeltaB, s.DeltaC, s.DeltaH, s.DeltaE};
        const double mi = MetamerismIndex(r, s, TIlluminant::D50, TObserver::Obs2, TIlluminant::F11, TObserver::Obs2);
        CalcColorValues(s, TColorSpace::CMC21, TIlluminant::D65, TObserver::Obs10);
        std::vector<double> expected = {s.X, s.Y, s.Z, s.SmallX, s.SmallY};
        expected.insert(expected.end(), s.Coord.begin(), s.Coord.end());
        expected.insert(expected.end(), deltas, deltas + 6);
        expected.push_back(mi);

        const auto cells = Cells(lines[i + 1]);
        ASSERT_EQ(cells.size(), 20u);
        EXPECT_EQ(cells[0], std::to_string(i + 1));
        EXPECT_EQ(cells[1], file.Samples[i].Id);
        EXPECT_EQ(cells[2], i == 2 ? "1" : "0");
        for (std::size_t k = 0; k < expected.size(); ++k) {
            const double v = std::stod(cells[3 + k]);
            EXPECT_NEAR(v, expected[k], 1e-11 * std::max(1.0, std::fabs(expected[k]))) << "row " << i << " col " << k;
        }
    }
}

TEST(Spec2Cie, Ciede2000InCsvJsonAndTable) {
    const std::string path = Fixture("press-check-percent.txt");
    const TRun csv = RunCalculator({"--format", "csv", "--space", "CIEDE2000", "--reference", "3", path});
    ASSERT_EQ(csv.Code, 0) << csv.Err;
    const auto lines = Lines(csv.Out);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0],
              "sample,id,reference,X,Y,Z,x,y,CIEDE2000.L*,CIEDE2000.a*,CIEDE2000.b*,CIEDE2000.C*,CIEDE2000.h\u00B0,"
              "dL*,da*,db*,dC*,dh*,dE00,MI");

    spec2cie::TSpectralFile file;
    spec2cie::TInputError error;
    ASSERT_TRUE(spec2cie::ReadSpectralFile(path, spec2cie::TScale::Auto, file, error));
    std::vector<double> totals;
    for (std::size_t i = 0; i < file.Samples.size(); ++i) {
        TData r(EmptySpectrum), s(EmptySpectrum);
        r.Spectrum = file.Samples[2].Spectrum;
        s.Spectrum = file.Samples[i].Spectrum;
        const double deltaE00 = CalcDeltaE(r, s, TColorSpace::CIEDE2000, TIlluminant::D50, TObserver::Obs2);
        totals.push_back(deltaE00);
        const auto cells = Cells(lines[i + 1]);
        ASSERT_EQ(cells.size(), 20u);
        EXPECT_NEAR(std::stod(cells[18]), deltaE00, 1e-11 * std::max(1.0, deltaE00)) << "row " << i;
        EXPECT_NEAR(std::stod(cells[8]), s.Coord[0], 1e-9) << "L* of row " << i;
    }
    EXPECT_GT(totals[3], 0.0);

    const TRun json = RunCalculator({"--format", "json", "--space", "dE00", "--reference", "3", path});
    ASSERT_EQ(json.Code, 0) << json.Err;
    EXPECT_NE(json.Out.find("\"space\":\"CIEDE2000\""), std::string::npos);
    EXPECT_NE(json.Out.find("\"dE00\":"), std::string::npos);

    const TRun table = RunCalculator({"--space", "ciede2000", path});
    ASSERT_EQ(table.Code, 0) << table.Err;
    EXPECT_NE(table.Out.find("Conditions:  CIEDE2000\\D50\\2\u00B0"), std::string::npos) << table.Out;
    EXPECT_NE(table.Out.find("dE00"), std::string::npos);
}

TEST(Spec2Cie, WorkedNumbersThroughTheFile) {
    // The file holds white, 50 % grey and the red, orange, green and blue
    // samples of the engine's tables, written with four decimals in percent.
    const TRun run = RunCalculator({"--format", "csv", Fixture("press-check-percent.txt")});
    ASSERT_EQ(run.Code, 0) << run.Err;
    const auto lines = Lines(run.Out);
    struct Row { int line; double l, a, b, c, h; };
    const Row rows[] = {
        {1, 100.0, 0.0, 0.000001, 0.0, 90.0},
        {2, 76.0693, 0.0, 0.000001, 0.0, 90.0},
        {3, 67.9457, 20.2190, -2.1485, 20.3328, 353.9345},
        {5, 80.0732, -17.9507, 16.8555, 24.6239, 136.8023},
        {6, 70.4564, 6.2057, -22.5126, 23.3523, 285.4111},
    };
    for (const auto& r : rows) {
        const auto cells = Cells(lines[r.line]);
        const double expected[5] = {r.l, r.a, r.b, r.c, r.h};
        for (int k = 0; k < 5; ++k) EXPECT_NEAR(std::stod(cells[8 + k]), expected[k], 0.0002) << r.line << " " << k;
    }
    // At least ten significant digits in CSV and JSON.
    EXPECT_NE(lines[2].find(",76.0692610"), std::string::npos) << lines[2];
    const TRun json = RunCalculator({"--format", "json", "--space", "LABmg", Fixture("press-check-percent.txt")});
    EXPECT_NE(json.Out.find("\"Lmg\":112.218573"), std::string::npos) << json.Out.substr(0, 400);
    EXPECT_NE(json.Out.find("\"hmg\":114.731723"), std::string::npos);
}

TEST(Spec2Cie, TableUsesTheDecimalsOfThePages) {
    const TRun xyY = RunCalculator({"--space", "CIExyY", Fixture("press-check-percent.txt")});
    ASSERT_EQ(xyY.Code, 0) << xyY.Err;
    // Sample 2 (grey): x and y with four decimals, Y with two, differences of x, y with four.
    std::vector<std::string> grey;
    for (const auto& l : Lines(xyY.Out)) {
        std::stringstream s(l);
        std::vector<std::string> words;
        for (std::string w; s >> w;) words.push_back(w);
        if (words.size() > 1 && words[1] == "A2") grey = words;
    }
    const std::vector<std::string> expected = {"2",      "A2",     "48.19",  "50.00", "41.23",  "0.3457", "0.3586",
                                               "0.3457", "0.3586", "50.00",  "0.0000", "0.0000", "-50.00", "23.93",
                                               "0.00"};
    EXPECT_EQ(grey, expected);
    EXPECT_NE(xyY.Out.find("dE = CIELAB Delta E*ab"), std::string::npos);
    const TRun lab = RunCalculator({Fixture("press-check-percent.txt")});
    EXPECT_NE(lab.Out.find("100.00    0.00    0.00   0.00   90.00"), std::string::npos) << lab.Out;
    EXPECT_EQ(lab.Out.find("-0.00"), std::string::npos);  // no signed zeros on show
}

TEST(Spec2Cie, ScaleFollowsTheFileOrTheOption) {
    // Dark blacks in percent, all values below 1.5: only SPECTRAL_NORM tells.
    const TRun norm = RunCalculator({"--format", "csv", Fixture("dark-spectral-norm.txt")});
    ASSERT_EQ(norm.Code, 0) << norm.Err;
    EXPECT_NEAR(std::stod(Cells(Lines(norm.Out)[1])[4]), 1.2, 1e-9);  // Y of a flat 1.2 %
    const TRun factor = RunCalculator({"--format", "csv", "--scale", "factor", Fixture("dark-spectral-norm.txt")});
    EXPECT_NEAR(std::stod(Cells(Lines(factor.Out)[1])[4]), 120.0, 1e-7);
    const TRun percent = RunCalculator({"--format", "csv", "--scale", "percent", Fixture("bare-factors.csv")});
    EXPECT_LT(std::stod(Cells(Lines(percent.Out)[1])[4]), 1.0);
    // Factors and percent of the same samples give the same colour.
    const TRun a = RunCalculator({"--format", "csv", Fixture("factor-nm-fields-crlf.txt")});
    const TRun b = RunCalculator({"--format", "csv", "--reference", "3", Fixture("press-check-percent.txt")});
    // (the factor file rounds to five decimals, so they agree to about 1e-4)
    EXPECT_NEAR(std::stod(Cells(Lines(a.Out)[1])[8]), std::stod(Cells(Lines(b.Out)[3])[8]), 2e-4);
}

TEST(Spec2Cie, BadFilesAreRefusedWithFileLineAndField) {
    const fs::path binary = ScratchDir() / "binary.txt";
    {
        std::ofstream out(binary, std::ios::binary);
        out << "CGATS.17\n" << std::string(4, '\0') << "\x01\x02";
    }
    // More samples than the CGATS parser takes in one table.
    const fs::path huge = ScratchDir() / "huge.txt";
    {
        std::ofstream out(huge);
        out << "CGATS.17\nNUMBER_OF_FIELDS\t37\nBEGIN_DATA_FORMAT\nSAMPLE_ID";
        for (int nm = 380; nm <= 730; nm += 10) out << "\tSPECTRAL_" << nm;
        out << "\nEND_DATA_FORMAT\nNUMBER_OF_SETS\t40000\nBEGIN_DATA\n";
        std::string row;
        for (int i = 0; i < SpectrumSize; ++i) row += "\t50.0";
        for (int i = 1; i <= 33000; ++i) out << i << row << "\n";
        out << "END_DATA\n";
    }
    const fs::path empty = ScratchDir() / "empty.txt", blank = ScratchDir() / "blank.csv";
    std::ofstream(empty).flush();
    std::ofstream(blank) << "\r\n  \n";
    struct Case { std::string file; std::vector<std::string> expected; };
    const std::vector<Case> cases = {
        {Fixture("bad-not-a-number.txt"), {"bad-not-a-number.txt:16:", "field SPECTRAL_550", "sample A2", "\"n/a\""}},
        {Fixture("bad-decimal-comma.txt"), {"bad-decimal-comma.txt:16:", "field SPECTRAL_430", "\"43,21\""}},
        {Fixture("bad-missing-730.txt"), {"bad-missing-730.txt:10:", "730 nm"}},
        {Fixture("bad-range-400-700.txt"), {"bad-range-400-700.txt:10:", "380 nm"}},
        {Fixture("bad-range-380-780.txt"), {"bad-range-380-780.txt:10:", "field SPECTRAL_740"}},
        {Fixture("bad-duplicate-band.txt"), {"bad-duplicate-band.txt:10:", "field SPECTRAL_NM380", "380 nm"}},
        {Fixture("bad-empty-spectrum.txt"), {"bad-empty-spectrum.txt:17:", "sample A3", "empty spectrum"}},
        {Fixture("bad-no-spectral-fields.txt"), {"bad-no-spectral-fields.txt:4:", "no spectral fields"}},
        {Fixture("bad-set-count.txt"), {"bad-set-count.txt:18:", "NUMBER_OF_SETS"}},
        {Fixture("bad-not-cgats.txt"), {"bad-not-cgats.txt:", "not a valid CGATS file"}},
        {Fixture("bad-rows.csv"), {"bad-rows.csv:2:", "35 fields"}},
        {Fixture("bad-cell.csv"), {"bad-cell.csv:2:", "field 21 (580 nm)", "\"x\""}},
        {Fixture("no-such-file.txt"), {"no-such-file.txt:", "cannot open"}},
        {DataDir, {"data: is a folder"}},
        {empty.string(), {"empty.txt: the file is empty"}},
        {blank.string(), {"blank.csv: the file is empty"}},
        {binary.string(), {"binary.txt:", "not a text file"}},
        {huge.string(), {"huge.txt:8:", "at most 32766 samples per table"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const bool large = c.file == huge.string();  // one format is enough for the large file
        for (const char* format : {"csv", "table", "json"}) {
            if (large && std::string(format) != "csv") continue;
            const TRun r = RunCalculator({"--format", format, c.file});
            EXPECT_EQ(r.Code, 1);
            EXPECT_EQ(r.Out, "");  // nothing half-written
            for (const auto& e : c.expected) EXPECT_NE(r.Err.find(e), std::string::npos) << e << " in " << r.Err;
            EXPECT_EQ(r.Err.rfind("kelvora-spec2cie: ", 0), 0u) << r.Err;
        }
    }
}

TEST(Spec2Cie, WrongOptionsAreUsageErrors) {
    const std::string good = Fixture("press-check-percent.txt");
    struct Case { std::vector<std::string> args; std::string expected; };
    const std::vector<Case> cases = {
        {{}, "no FILE given"},
        {{"--space", "Lab2000", good}, "unknown colour space \"Lab2000\""},
        {{"--illuminant", "D75", good}, "unknown illuminant \"D75\""},
        {{"--metamerism-illuminant", "F2", good}, "unknown illuminant \"F2\" for --metamerism-illuminant"},
        {{"--observer", "5", good}, "unknown observer \"5\""},
        {{"--format", "xml", good}, "unknown format"},
        {{"--scale", "permille", good}, "unknown scale"},
        {{"--reference", "0", good}, "--reference needs a sample number"},
        {{"--reference", "1.5", good}, "--reference needs a sample number"},
        {{"--reference", "7", good}, "has 6 samples"},
        {{"--space"}, "option --space needs a value"},
        {{"--verbose", good}, "unknown option --verbose"},
        {{good, good}, "only one FILE"},
    };
    for (const auto& c : cases) {
        const TRun r = RunCalculator(c.args);
        EXPECT_EQ(r.Code, 2) << c.expected;
        EXPECT_EQ(r.Out, "");
        EXPECT_NE(r.Err.find(c.expected), std::string::npos) << c.expected << " in " << r.Err;
    }
}

TEST(Spec2Cie, NamesAreCaseInsensitiveAndHelpWorks) {
    const std::string good = Fixture("press-check-percent.txt");
    for (const auto& args : std::vector<std::vector<std::string>>{{"--space", "cmc(1:1)", good},
                                                                   {"--space", "cielab94", "--observer", "10\u00B0", good},
                                                                   {"--illuminant", "f11", "--observer", "2", good},
                                                                   {"--space=LabMG", "--illuminant=c", good}}) {
        const TRun r = RunCalculator(args);
        EXPECT_EQ(r.Code, 0) << r.Err;
    }
    const TRun help = RunCalculator({"--help"});
    EXPECT_EQ(help.Code, 0);
    EXPECT_NE(help.Out.find("Usage: kelvora-spec2cie"), std::string::npos);
}

#if defined(__linux__)
TEST(Spec2Cie, AnOutputThatCannotBeWrittenIsAnError) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    const TRun r = RunCalculator({Fixture("press-check-percent.txt")}, "/dev/full");
    EXPECT_EQ(r.Code, 3);
    EXPECT_NE(r.Err.find("cannot write the output"), std::string::npos);
}
#endif
