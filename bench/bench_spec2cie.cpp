// The command-line calculator end to end on a large batch: file reading,
// computation of every sample against the reference, and formatting.
// The files are generated once in the benchmark's temporary folder.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "Spec2Cie.h"

namespace fs = std::filesystem;

namespace {

constexpr int CsvSamples = 100000;
constexpr int CgatsSamples = 32000;  // the CGATS parser takes at most 32766 per table

fs::path Folder() {
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / "kv_bench_spec2cie";
        fs::create_directories(d);
        return d;
    }();
    return dir;
}

// Smooth random spectra in percent, two decimals, the way instruments write them.
std::string SpectrumRow(std::mt19937& rng) {
    std::uniform_real_distribution<double> level(5.0, 90.0), centre(400.0, 700.0), amp(-30.0, 30.0);
    const double base = level(rng), c = centre(rng), a = amp(rng);
    std::string row;
    char cell[16];
    for (int i = 0; i < SpectrumSize; ++i) {
        const double nm = 380.0 + 10.0 * i;
        double v = base + a * std::exp(-((nm - c) / 50.0) * ((nm - c) / 50.0));
        if (v < 0.5) v = 0.5;
        std::snprintf(cell, sizeof cell, "%s%.2f", i ? "," : "", v);
        row += cell;
    }
    return row;
}

const std::string& CsvFile() {
    static const std::string path = [] {
        const fs::path p = Folder() / "spectra-100000.csv";
        std::ofstream out(p);
        std::mt19937 rng(42);
        for (int n = 0; n < CsvSamples; ++n) out << "S" << n + 1 << "," << SpectrumRow(rng) << "\n";
        return p.string();
    }();
    return path;
}

const std::string& CgatsFile() {
    static const std::string path = [] {
        const fs::path p = Folder() / "spectra-32000.txt";
        std::ofstream out(p);
        out << "CGATS.17\nORIGINATOR\t\"bench\"\nNUMBER_OF_FIELDS\t37\nBEGIN_DATA_FORMAT\nSAMPLE_ID";
        for (int nm = 380; nm <= 730; nm += 10) out << "\tSPECTRAL_" << nm;
        out << "\nEND_DATA_FORMAT\nNUMBER_OF_SETS\t" << CgatsSamples << "\nBEGIN_DATA\n";
        std::mt19937 rng(7);
        for (int n = 0; n < CgatsSamples; ++n) {
            std::string row = SpectrumRow(rng);
            for (char& c : row)
                if (c == ',') c = '\t';
            out << n + 1 << "\t" << row << "\n";
        }
        out << "END_DATA\n";
        return p.string();
    }();
    return path;
}

void RunOnce(benchmark::State& state, const std::vector<std::string>& args, int samples) {
    std::string out, err;
    for (auto _ : state) {
        const int code = spec2cie::RunSpec2Cie(args, out, err);
        if (code != 0) state.SkipWithError(err.c_str());
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * samples);
    state.counters["output_MB"] = static_cast<double>(out.size()) / 1e6;
}

void BM_Spec2CieCsv100k(benchmark::State& state) {
    RunOnce(state, {"--format", "csv", CsvFile()}, CsvSamples);
}
void BM_Spec2CieCsv100kToJson(benchmark::State& state) {
    RunOnce(state, {"--format", "json", "--space", "CMC(2:1)", CsvFile()}, CsvSamples);
}
void BM_Spec2CieCgats32k(benchmark::State& state) {
    RunOnce(state, {"--format", "csv", CgatsFile()}, CgatsSamples);
}

// Only the computation, on spectra already in memory.
void BM_CalculateOnly100k(benchmark::State& state) {
    spec2cie::TSpectralFile file;
    spec2cie::TInputError error;
    if (!spec2cie::ReadSpectralFile(CsvFile(), spec2cie::TScale::Auto, file, error)) {
        state.SkipWithError(error.Text().c_str());
        return;
    }
    const spec2cie::TConditions conditions;
    for (auto _ : state) benchmark::DoNotOptimize(spec2cie::Calculate(file.Samples, conditions).data());
    state.SetItemsProcessed(state.iterations() * CsvSamples);
}

// The two other parts on their own: reading the file and writing the CSV text.
void BM_ReadCsv100k(benchmark::State& state) {
    for (auto _ : state) {
        spec2cie::TSpectralFile file;
        spec2cie::TInputError error;
        if (!spec2cie::ReadSpectralFile(CsvFile(), spec2cie::TScale::Auto, file, error))
            state.SkipWithError(error.Text().c_str());
        benchmark::DoNotOptimize(file.Samples.data());
    }
    state.SetItemsProcessed(state.iterations() * CsvSamples);
}

void BM_FormatCsv100k(benchmark::State& state) {
    spec2cie::TSpectralFile file;
    spec2cie::TInputError error;
    if (!spec2cie::ReadSpectralFile(CsvFile(), spec2cie::TScale::Auto, file, error)) {
        state.SkipWithError(error.Text().c_str());
        return;
    }
    const spec2cie::TConditions conditions;
    const auto results = spec2cie::Calculate(file.Samples, conditions);
    for (auto _ : state)
        benchmark::DoNotOptimize(spec2cie::FormatReport(file, conditions, results, spec2cie::TFormat::Csv).data());
    state.SetItemsProcessed(state.iterations() * CsvSamples);
}

BENCHMARK(BM_Spec2CieCsv100k)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Spec2CieCsv100kToJson)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Spec2CieCgats32k)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CalculateOnly100k)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadCsv100k)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FormatCsv100k)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
