// The calculator's file readers under damaged input: seeded mutations of the
// measurement files in data/ (flipped bytes, lost and doubled lines, cut
// files, stray separators, quotes and numbers). Each read either gives usable
// spectra or an error that names the file; nothing crashes or hangs.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "Calculator.h"
#include "SpectralInput.h"

namespace {

using namespace spec2cie;

std::string ReadFixture(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::filesystem::path> Fixtures()
{
    std::vector<std::filesystem::path> paths;
    for (const auto& entry : std::filesystem::directory_iterator(KV_COLOUR_TEST_DATA))
        if (entry.is_regular_file())
            paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());
    return paths;
}

// Pieces a damaged or hand-edited measurement file tends to contain.
const char* const Tokens[] = {
    "\t", ",", ";", "\"", "\n", "\r\n", "\r", " ", "#", "\0", "-", "+", ".", "e", "E999", "1e-400", "nan", "inf",
    "-0", "0x1F", "100,5", "1.5", "99999999999999999999", "BEGIN_DATA", "END_DATA", "BEGIN_DATA_FORMAT",
    "END_DATA_FORMAT", "NUMBER_OF_SETS\t", "NUMBER_OF_FIELDS\t", "SPECTRAL_NORM\t", "SAMPLE_ID", "SPECTRAL_380",
    "SPECTRAL_735", "nm730", "KEYWORD\t", "CGATS.17\n", "\xc3\xa9", "\xff\xfe", "\"\"", "0", "-1", "2147483648",
};

// One damaged copy of `text`.
std::string Mutate(std::string text, std::mt19937& random)
{
    const int edits = 1 + int(random() % 4);
    for (int e = 0; e < edits; ++e) {
        const std::size_t at = text.empty() ? 0 : random() % (text.size() + 1);
        switch (random() % 8) {
        case 0:   // flip a byte
            if (!text.empty())
                text[at % text.size()] = char(random() % 256);
            break;
        case 1: {  // insert a token
            const std::string token = Tokens[random() % std::size(Tokens)];
            text.insert(at, token.empty() ? std::string(1, '\0') : token);
            break;
        }
        case 2:   // lose a stretch
            text.erase(at, random() % 64);
            break;
        case 3:   // cut the file
            text.resize(at);
            break;
        case 4: {  // lose a whole line
            const std::size_t start = text.rfind('\n', at);
            const std::size_t end = text.find('\n', at);
            if (start != std::string::npos && end != std::string::npos)
                text.erase(start, end - start);
            break;
        }
        case 5: {  // double a line
            const std::size_t start = text.rfind('\n', at);
            const std::size_t end = text.find('\n', at);
            if (start != std::string::npos && end != std::string::npos)
                text.insert(end, text.substr(start, end - start));
            break;
        }
        case 6: {  // change a digit
            const std::size_t digit = text.find_first_of("0123456789", at);
            if (digit != std::string::npos)
                text[digit] = char('0' + random() % 10);
            break;
        }
        default: {  // swap two stretches
            if (text.size() > 8) {
                const std::size_t other = random() % text.size();
                const std::size_t length = std::min<std::size_t>(random() % 32, text.size() - std::max(at, other));
                if (at < text.size())
                    std::swap_ranges(text.begin() + long(at), text.begin() + long(at + length),
                                     text.begin() + long(other));
            }
            break;
        }
        }
    }
    return text;
}

// Usable spectra, or an error that names the file.
void ExpectCleanResult(bool ok, const std::string& path, const TSpectralFile& file, const TInputError& error,
                       const std::string& what)
{
    if (!ok) {
        EXPECT_EQ(path, error.File) << what;
        EXPECT_FALSE(error.Message.empty()) << what;
        EXPECT_EQ(0u, error.Text().rfind(path, 0)) << what << ": " << error.Text();
        EXPECT_GE(error.Line, 0) << what;
        return;
    }
    ASSERT_FALSE(file.Samples.empty()) << what;
    for (const TSpectralSample& sample : file.Samples) {
        EXPECT_FALSE(sample.Id.empty()) << what;
        for (double v : sample.Spectrum)
            ASSERT_TRUE(std::isfinite(v)) << what << ": sample " << sample.Id;
    }
    TConditions conditions;
    conditions.Reference = 1;
    for (const TSampleResult& r : Calculate(file.Samples, conditions)) {
        ASSERT_TRUE(std::isfinite(r.X) && std::isfinite(r.Y) && std::isfinite(r.Z)) << what << ": sample " << r.Id;
        ASSERT_TRUE(std::isfinite(r.Metamerism)) << what;
    }
}

bool IsCsv(const std::filesystem::path& path) { return path.extension() == ".csv"; }

TEST(Spec2CieTorture, MutatedFixturesGiveSpectraOrAnErrorNamingTheFile)
{
    const auto fixtures = Fixtures();
    ASSERT_GE(fixtures.size(), 10u);
    const TScale scales[] = {TScale::Auto, TScale::Percent, TScale::Factor};
    std::mt19937 random(20240311);
    int accepted = 0, refused = 0;
    for (const auto& fixture : fixtures) {
        const std::string original = ReadFixture(fixture);
        const std::string path = fixture.filename().string();
        for (int round = 0; round < 120; ++round) {
            const std::string text = Mutate(original, random);
            const TScale scale = scales[round % 3];
            // Both readers get every damaged file: a CGATS file read as CSV is
            // bad input just the same.
            for (const bool csv : {IsCsv(fixture), !IsCsv(fixture)}) {
                TSpectralFile file;
                TInputError error;
                const bool ok = csv ? ReadCsvText(path, text, scale, file, error)
                                    : ReadCgatsText(path, text, scale, file, error);
                ExpectCleanResult(ok, path, file, error,
                                  path + (csv ? " as CSV" : " as CGATS") + ", round " + std::to_string(round));
                ok ? ++accepted : ++refused;
                if (HasFatalFailure())
                    return;
            }
        }
    }
    // Small damage leaves many files usable, so both outcomes occur.
    EXPECT_GT(accepted, 50);
    EXPECT_GT(refused, 100);
}

TEST(Spec2CieTorture, RandomBytesGiveAnErrorNamingTheFile)
{
    std::mt19937 random(7);
    for (int round = 0; round < 1000; ++round) {
        std::string text(random() % 300, '\0');
        for (char& c : text)
            c = char(random() % 256);
        if (round % 2)
            text.insert(0, "CGATS.17\n");
        for (const bool csv : {false, true}) {
            const std::string path = csv ? "noise.csv" : "noise.txt";
            TSpectralFile file;
            TInputError error;
            const bool ok = csv ? ReadCsvText(path, text, TScale::Auto, file, error)
                                : ReadCgatsText(path, text, TScale::Auto, file, error);
            EXPECT_FALSE(ok) << path << ", round " << round;
            ExpectCleanResult(ok, path, file, error, path + ", round " + std::to_string(round));
        }
    }
}

// The whole path through the file system: a damaged file on disk.
TEST(Spec2CieTorture, DamagedFilesOnDiskNameTheirPath)
{
    const auto folder = std::filesystem::temp_directory_path() / ("kv-spec2cie-torture-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::mt19937 random(99);
    for (const auto& fixture : Fixtures()) {
        const std::string original = ReadFixture(fixture);
        for (int round = 0; round < 5; ++round) {
            const std::string path = (folder / fixture.filename()).string();
            std::ofstream(path, std::ios::binary | std::ios::trunc) << Mutate(original, random);
            TSpectralFile file;
            TInputError error;
            const bool ok = ReadSpectralFile(path, TScale::Auto, file, error);
            ExpectCleanResult(ok, path, file, error, path);
        }
    }
    std::filesystem::remove_all(folder);
}

// Found by fuzzing: NUMBER_OF_FIELDS with a misspelt BEGIN_DATA_FORMAT gives
// the parser a field count without field names.
TEST(Spec2CieTorture, FieldCountWithoutDataFormatIsRefused)
{
    std::string text = ReadFixture(std::filesystem::path(KV_COLOUR_TEST_DATA) / "press-check-percent.txt");
    const std::size_t begin = text.find("BEGIN_DATA_FORMAT");
    const std::size_t end = text.find("END_DATA_FORMAT", begin + 5);
    ASSERT_NE(std::string::npos, end);
    text.replace(end, 1, ":");
    text.replace(begin + 6, 1, "A");
    TSpectralFile file;
    TInputError error;
    EXPECT_FALSE(ReadCgatsText("fields.txt", text, TScale::Auto, file, error));
    EXPECT_EQ("fields.txt", error.File);
    EXPECT_FALSE(error.Message.empty());
}

}  // namespace
