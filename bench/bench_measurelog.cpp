// Cost of the measurement log after each reading: the CGATS text of a whole
// session built anew, and the text plus the file written and replaced.
#include <benchmark/benchmark.h>

#include "MeasureLog.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

std::vector<TMeasureLogRow> Session(int rows)
{
    std::vector<TMeasureLogRow> session(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r) {
        TMeasureLogRow& row = session[std::size_t(r)];
        row.Time = QDateTime(QDate(2026, 3, 14), QTime(9, 0)).addSecs(r * 20);
        row.Name = "Dot Gain 50%";
        row.Serial = "114523";
        row.DensityStandard = "DIN";
        row.DensityReference = "Paper white";
        row.Densities = {1.3872763f, 0.37067485f, 0.21677935f, 0.65922093f};
        row.AutoChannel = "Cyan";
        for (int i = 0; i < 36; ++i)
            row.Spectrum[std::size_t(i)] = 0.2 + 0.6 * ((i * 7 + r) % 36) / 35.0;
        row.Lab = {56.5187, -36.2692, -48.9894};
    }
    return session;
}

const QDateTime Start(QDate(2026, 3, 14), QTime(9, 0));

void BM_MeasureLogText(benchmark::State& state)
{
    const auto rows = Session(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(MeasureLogText(rows, Start, "Kelvora"));
}

// The last row of a session of N rows: text built and the file replaced.
void BM_MeasureLogAddRow(benchmark::State& state)
{
    QTemporaryDir dir;
    const auto rows = Session(int(state.range(0)));
    TMeasureLog log(Start, "Kelvora");
    log.SetFolder(dir.path());
    for (std::size_t r = 0; r + 1 < rows.size(); ++r)
        log.Add(rows[r]);
    for (auto _ : state) {
        // Add writes the whole session each time; a copy of the log keeps N fixed.
        TMeasureLog copy = log;
        benchmark::DoNotOptimize(copy.Add(rows.back()));
    }
}

BENCHMARK(BM_MeasureLogText)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MeasureLogAddRow)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
