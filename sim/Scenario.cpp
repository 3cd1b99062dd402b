// Scenario file of the simulated instrument: parser and runner.
//
// The whole file is read and checked before anything runs; a bad line stops
// the scenario with one message on standard error naming the file and line.
// Steps then run one after another whenever the program calls an entry
// point, until a step has to wait: "wait" for its time to pass, "press" and
// "hold" for the program to see the button released again.
#include "Scenario.h"

#include "EyeOneSimControl.h"
#include "Instrument.h"
#include "PressSheet.h"
#include "SimClock.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

namespace Sim {
namespace {

enum class TStepKind {
    Place, Spectrum, Press, Hold, Wait, Unplug, Plug, NeedCalibration, CalibrateResult,
    CalibrationInterval, TriggerResult, SampleCount, Refuse, Accept, Answer, Bad, Good,
    DensityNoise, Say
};

struct TStep {
    TStepKind Kind;
    int Line = 0;
    std::string Text;            // patch, key, message
    long Number = 0;             // count, code, milliseconds
    double Fraction = 0.0;
    TSpectrum Values{};
};

struct TBadKindName {
    const char* Name;
    int Kind;
};

const TBadKindName BadKinds[] = {
    {"nan-density", I1SimBadNaNDensity},         {"infinite-density", I1SimBadInfiniteDensity},
    {"negative-density", I1SimBadNegativeDensity}, {"channel-out-of-range", I1SimBadChannelOutOfRange},
    {"null-option", I1SimBadNullOption},         {"nan-spectrum", I1SimBadNaNSpectrum},
    {"infinite-spectrum", I1SimBadInfiniteSpectrum}, {"negative-spectrum", I1SimBadNegativeSpectrum},
};

constexpr long MaxMilliseconds = 24L * 3600 * 1000;

struct TRunner {
    std::vector<TStep> Steps;
    std::size_t Next = 0;
    std::string Name;
    TScenarioState State = TScenarioState::None;
    std::string Message;
    std::int64_t WaitUntilMs = 0;
    bool WaitForRelease = false;
    bool EnvironmentChecked = false;
};

TRunner& Runner()
{
    static TRunner runner;
    return runner;
}

class TParseError {
public:
    explicit TParseError(std::string text) : Text(std::move(text)) {}
    std::string Text;
};

std::string Lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

long WholeNumber(const std::string& word, long lowest, long highest)
{
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(word.c_str(), &end, 10);
    if (word.empty() || *end != '\0' || errno == ERANGE)
        throw TParseError("\"" + word + "\" is not a whole number");
    if (value < lowest || value > highest)
        throw TParseError(word + " is out of range (" + std::to_string(lowest) + " to "
                          + std::to_string(highest) + ")");
    return value;
}

double RealNumber(const std::string& word, double lowest, double highest)
{
    char* end = nullptr;
    const double value = std::strtod(word.c_str(), &end);
    if (word.empty() || *end != '\0' || !std::isfinite(value))
        throw TParseError("\"" + word + "\" is not a number");
    if (value < lowest || value > highest) {
        char range[64];
        std::snprintf(range, sizeof range, " is out of range (%g to %g)", lowest, highest);
        throw TParseError(word + range);
    }
    return value;
}

void ExpectArguments(const std::string& step, const std::vector<std::string>& words, std::size_t least,
                     std::size_t most)
{
    const std::size_t count = words.size() - 1;
    if (count < least)
        throw TParseError("\"" + step + "\" needs " + std::to_string(least)
                          + (least == 1 ? " argument" : " arguments"));
    if (count > most)
        throw TParseError("\"" + step + "\" takes " + (most == 0 ? std::string("no") : std::to_string(most))
                          + (most == 1 ? " argument" : " arguments") + ", got " + std::to_string(count));
}

// The text of the line after its first word.
std::string RestOfLine(const std::string& line)
{
    std::size_t i = 0;
    while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i])))
        ++i;
    while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i])))
        ++i;
    while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i])))
        ++i;
    std::size_t end = line.size();
    while (end > i && std::isspace(static_cast<unsigned char>(line[end - 1])))
        --end;
    return line.substr(i, end - i);
}

TStep ParseStep(const std::string& line, const std::vector<std::string>& words)
{
    const std::string step = Lower(words[0]);
    TStep s{};
    if (step == "place") {
        ExpectArguments(step, words, 1, 1);
        s.Kind = TStepKind::Place;
        s.Text = Lower(words[1]);
        if (!FindPatch(s.Text))
            throw TParseError("unknown patch \"" + words[1] + "\"");
    } else if (step == "spectrum") {
        if (words.size() - 1 != 36)
            throw TParseError("\"spectrum\" needs 36 reflectance values (380 to 730 nm), got "
                              + std::to_string(words.size() - 1));
        s.Kind = TStepKind::Spectrum;
        for (int i = 0; i < 36; ++i)
            s.Values[i] = RealNumber(words[i + 1], 0.0, 2.0);
    } else if (step == "press") {
        ExpectArguments(step, words, 0, 1);
        s.Kind = TStepKind::Press;
        s.Number = words.size() > 1 ? WholeNumber(words[1], 1, 1000) : 1;
    } else if (step == "hold") {
        ExpectArguments(step, words, 1, 1);
        s.Kind = TStepKind::Hold;
        s.Number = WholeNumber(words[1], 0, MaxMilliseconds);
    } else if (step == "wait") {
        ExpectArguments(step, words, 1, 1);
        s.Kind = TStepKind::Wait;
        s.Number = WholeNumber(words[1], 0, MaxMilliseconds);
    } else if (step == "unplug" || step == "plug" || step == "need-calibration" || step == "good") {
        ExpectArguments(step, words, 0, 0);
        s.Kind = step == "unplug" ? TStepKind::Unplug
                 : step == "plug" ? TStepKind::Plug
                 : step == "good" ? TStepKind::Good
                                  : TStepKind::NeedCalibration;
    } else if (step == "calibrate-result" || step == "trigger-result") {
        ExpectArguments(step, words, 1, 1);
        s.Kind = step == "calibrate-result" ? TStepKind::CalibrateResult : TStepKind::TriggerResult;
        s.Number = WholeNumber(words[1], -1000000, 1000000);
    } else if (step == "calibration-interval") {
        ExpectArguments(step, words, 1, 1);
        s.Kind = TStepKind::CalibrationInterval;
        s.Number = WholeNumber(words[1], 0, 1000000);
    } else if (step == "sample-count") {
        ExpectArguments(step, words, 1, 1);
        s.Kind = TStepKind::SampleCount;
        s.Number = WholeNumber(words[1], -1000, 1000);
    } else if (step == "refuse") {
        ExpectArguments(step, words, 2, 2);
        s.Kind = TStepKind::Refuse;
        s.Text = words[1];
        s.Number = WholeNumber(words[2], -1000000, 1000000);
        if (s.Number == 0)
            throw TParseError("a refusal needs a code other than 0 (use \"accept " + words[1] + "\")");
    } else if (step == "accept") {
        ExpectArguments(step, words, 1, 1);
        s.Kind = TStepKind::Accept;
        s.Text = words[1];
    } else if (step == "answer") {
        if (words.size() < 2)
            throw TParseError("\"answer\" needs a key and the text to answer");
        // Key and text are kept as "key\ntext"; the text is the rest of the
        // line after the key, spaces included.
        s.Kind = TStepKind::Answer;
        s.Text = words[1] + '\n' + RestOfLine(RestOfLine(line));
    } else if (step == "bad") {
        ExpectArguments(step, words, 1, 1);
        s.Kind = TStepKind::Bad;
        const std::string kind = Lower(words[1]);
        const auto it = std::find_if(std::begin(BadKinds), std::end(BadKinds),
                                     [&](const TBadKindName& k) { return kind == k.Name; });
        if (it == std::end(BadKinds)) {
            std::string known;
            for (const TBadKindName& k : BadKinds)
                known += std::string(known.empty() ? "" : ", ") + k.Name;
            throw TParseError("unknown bad answer \"" + words[1] + "\" (known: " + known + ")");
        }
        s.Number = it->Kind;
    } else if (step == "density-noise") {
        ExpectArguments(step, words, 1, 1);
        s.Kind = TStepKind::DensityNoise;
        s.Fraction = RealNumber(words[1], 0.0, 0.5);
    } else if (step == "say") {
        s.Kind = TStepKind::Say;
        s.Text = RestOfLine(line);
    } else {
        throw TParseError("unknown step \"" + words[0] + "\"");
    }
    return s;
}

bool Parse(const std::string& text, const std::string& name, std::vector<TStep>& steps, std::string& message)
{
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::size_t hash = line.find('#');
        if (hash != std::string::npos)
            line.erase(hash);
        std::istringstream words_in(line);
        std::vector<std::string> words;
        for (std::string w; words_in >> w;)
            words.push_back(w);
        if (words.empty())
            continue;
        try {
            TStep step = ParseStep(line, words);
            step.Line = number;
            steps.push_back(std::move(step));
        } catch (const TParseError& e) {
            message = name + ":" + std::to_string(number) + ": " + e.Text;
            return false;
        }
    }
    return true;
}

void Fail(TRunner& r, const std::string& message)
{
    r.Steps.clear();
    r.Next = 0;
    r.State = TScenarioState::Failed;
    r.Message = message;
    std::fprintf(stderr, "kelvora-sim: %s; the scenario stops\n", message.c_str());
    std::fflush(stderr);
}

void Run(TRunner& r, const TStep& s)
{
    TInstrument& device = Instrument();
    switch (s.Kind) {
    case TStepKind::Place: device.PlacePatch(s.Text); break;
    case TStepKind::Spectrum: device.PlaceSpectrum(s.Values); break;
    case TStepKind::Press:
        device.Press(static_cast<int>(s.Number));
        r.WaitForRelease = true;
        break;
    case TStepKind::Hold:
        device.HoldFor(s.Number);
        r.WaitForRelease = true;
        break;
    case TStepKind::Wait: r.WaitUntilMs = NowMs() + s.Number; break;
    case TStepKind::Unplug: device.SetConnected(false); break;
    case TStepKind::Plug: device.SetConnected(true); break;
    case TStepKind::NeedCalibration: device.NeedCalibration(); break;
    case TStepKind::CalibrateResult: device.SetCalibrateResult(static_cast<int>(s.Number)); break;
    case TStepKind::CalibrationInterval: device.SetCalibrationInterval(static_cast<int>(s.Number)); break;
    case TStepKind::TriggerResult: device.SetNextTriggerResult(static_cast<int>(s.Number)); break;
    case TStepKind::SampleCount: device.SetSampleCount(static_cast<int>(s.Number)); break;
    case TStepKind::Refuse: device.RefuseOption(s.Text, static_cast<int>(s.Number)); break;
    case TStepKind::Accept: device.RefuseOption(s.Text, 0); break;
    case TStepKind::Answer: {
        const std::size_t split = s.Text.find('\n');
        device.SetOptionAnswer(s.Text.substr(0, split), s.Text.substr(split + 1).c_str());
        break;
    }
    case TStepKind::Bad: device.SetBadAnswer(static_cast<int>(s.Number)); break;
    case TStepKind::Good: device.ClearBadAnswers(); break;
    case TStepKind::DensityNoise: device.SetDensityNoise(s.Fraction); break;
    case TStepKind::Say:
        std::fprintf(stderr, "kelvora-sim: %s:%d: %s\n", r.Name.c_str(), s.Line, s.Text.c_str());
        std::fflush(stderr);
        break;
    }
}

// True while the last step run still holds the next one back.
bool Waiting(TRunner& r)
{
    if (r.WaitUntilMs > 0) {
        if (NowMs() < r.WaitUntilMs)
            return true;
        r.WaitUntilMs = 0;
    }
    if (r.WaitForRelease) {
        // A press on an unplugged instrument stays queued in it; the steps go on
        // (one of them may plug it in again).
        TInstrument& device = Instrument();
        if (device.PressPending() && device.IsConnected() == ResultOk)
            return true;
        r.WaitForRelease = false;
    }
    return false;
}

}

void ScenarioTick()
{
    TRunner& r = Runner();
    if (!r.EnvironmentChecked) {
        r.EnvironmentChecked = true;
        const char* path = std::getenv("KELVORA_SIM_SCENARIO");
        if (path && *path)
            StartScenario(path);
    }
    if (r.State != TScenarioState::Running)
        return;
    while (r.Next < r.Steps.size()) {
        if (Waiting(r))
            return;
        const TStep& step = r.Steps[r.Next++];
        Run(r, step);
    }
    if (!Waiting(r))
        r.State = TScenarioState::Finished;
}

bool StartScenarioText(const std::string& text, const std::string& name)
{
    TRunner& r = Runner();
    StopScenario();
    r.Name = name;
    std::vector<TStep> steps;
    std::string message;
    if (!Parse(text, name, steps, message)) {
        Fail(r, message);
        return false;
    }
    r.Steps = std::move(steps);
    r.State = TScenarioState::Running;
    return true;
}

bool StartScenario(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    if (file)
        text << file.rdbuf();
    if (!file || file.bad()) {
        TRunner& r = Runner();
        StopScenario();
        r.Name = path;
        Fail(r, path + ": cannot read the scenario file (" + std::strerror(errno) + ")");
        return false;
    }
    return StartScenarioText(text.str(), path);
}

void StopScenario()
{
    TRunner& r = Runner();
    r.Steps.clear();
    r.Next = 0;
    r.State = TScenarioState::None;
    r.Message.clear();
    r.WaitUntilMs = 0;
    r.WaitForRelease = false;
}

TScenarioState ScenarioState() { return Runner().State; }
const std::string& ScenarioMessage() { return Runner().Message; }
int ScenarioStepsDone() { return static_cast<int>(Runner().Next); }

}
