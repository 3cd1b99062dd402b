// The measurement log: every reading a page accepted, one row each, kept in
// a CGATS.17 file per session (written through Little CMS's IT8 functions so
// that colour tools read it back). Free of widgets; the main window feeds it.
//
// Nothing is lost: after every row the whole file is written anew and
// replaces the old one in one step. When the folder cannot be written the rows
// stay in memory and go to disk with the next write that succeeds.
#pragma once

#include <QDateTime>
#include <QString>

#include <array>
#include <string>
#include <vector>

// One accepted reading as the log keeps it.
struct TMeasureLogRow {
    QDateTime Time;                     // when it was measured (local time)
    std::string Name;                   // page and step, "Dot Gain 50%"
    std::string Serial;                 // the instrument's serial number
    std::string DensityStandard;        // "DIN", "DIN NB", "ANSI A", "ANSI T", "SPI"
    std::string DensityReference;       // "Absolute" or "Paper white"
    std::array<float, 4> Densities{};   // cyan, magenta, yellow, black as the instrument gave them
    std::string AutoChannel;            // the channel the instrument recognised, or "none"
    std::array<double, 36> Spectrum{};  // reflectance factors 380 .. 730 nm
    std::array<double, 3> Lab{};        // CIELAB, D50, 2°
};

// The CGATS.17 text of a log: header keywords, then one row per reading with
// SAMPLE_ID (1, 2, ...), SAMPLE_NAME, DATE_TIME ("2026-12-10 15:18:45"), INSTRUMENT_SERIAL,
// DENSITY_STANDARD, DENSITY_REFERENCE, D_RED, D_GREEN, D_BLUE, D_VIS
// (cyan, magenta, yellow, black), AUTO_CHANNEL, LAB_L, LAB_A, LAB_B and
// SPECTRAL_380 .. SPECTRAL_730 in percent. Empty when Little CMS refuses.
std::string MeasureLogText(const std::vector<TMeasureLogRow>& rows, const QDateTime& sessionStart,
                           const std::string& originator);

// "kelvora-log-2026-12-10_15-18-45.txt": the file of a session started then.
QString MeasureLogFileName(const QDateTime& sessionStart);

class TMeasureLog {
public:
    TMeasureLog(const QDateTime& sessionStart, const std::string& originator);

    // The folder the log goes to; a change takes effect with the next write,
    // which writes every row of the session into the new folder.
    void SetFolder(const QString& folder);
    QString Folder() const { return LogFolder; }
    // The session's file in the current folder.
    QString FilePath() const;

    // Keeps the row and writes the whole file; false when it could not be
    // written (the row is kept and goes out with the next success).
    bool Add(TMeasureLogRow row);
    // Tries again to write what is not on disk yet; true when nothing is left.
    bool Flush();

    const std::vector<TMeasureLogRow>& Rows() const { return LogRows; }
    // Rows not on disk yet (0 after a successful write).
    int PendingRows() const { return Pending; }
    // The path of the last successful write; empty before the first.
    QString WrittenPath() const { return Written; }
    // Why the last write failed, naming the file; empty after a success.
    QString LastError() const { return Error; }

private:
    bool Write();

    QDateTime SessionStart;
    std::string Originator;
    QString LogFolder;
    std::vector<TMeasureLogRow> LogRows;
    int Pending = 0;
    QString Written;
    QString Error;
};
