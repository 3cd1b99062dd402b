// Scenario files under seeded random lines: well-formed steps in any order
// always start and play to the end; one bad line anywhere stops the scenario
// before anything runs, with a message naming that line; random garbage does
// one or the other, never anything else.
#include "SimFixture.h"

#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

const char* const Name = "(scenario text)";

class ScenarioTorture : public SimTest {
protected:
    void SetUp() override
    {
        SimTest::SetUp();
        Patches = Sim().PatchNames();
        ASSERT_FALSE(Patches.empty());
    }

    std::string Pick(std::initializer_list<const char*> words)
    {
        return *(words.begin() + Random() % words.size());
    }
    std::string Number(long lowest, long highest)
    {
        return std::to_string(lowest + long(Random() % std::uint64_t(highest - lowest + 1)));
    }
    std::string AnyCase(std::string word)
    {
        for (char& c : word)
            if (Random() % 3 == 0)
                c = char(std::toupper(static_cast<unsigned char>(c)));
        return word;
    }

    // A step the file format accepts, with the waits kept short so that a
    // whole scenario plays out in a bounded number of calls.
    std::string ValidStep()
    {
        switch (Random() % 18) {
        case 0: return AnyCase("place") + " " + AnyCase(Patches[Random() % Patches.size()]);
        case 1: {
            std::string line = "spectrum";
            for (int i = 0; i < 36; ++i)
                line += " " + std::to_string(double(Random() % 2001) / 1000.0);
            return line;
        }
        case 2: return Random() % 2 ? "press" : "press " + Number(1, 5);
        case 3: return "hold " + Number(0, 3000);
        case 4: return "wait " + Number(0, 5000);
        case 5: return Pick({"unplug", "plug", "need-calibration", "good", "PLUG"});
        case 6: return "calibrate-result " + Number(-3, 5);
        case 7: return "calibration-interval " + Number(0, 10);
        case 8: return "trigger-result " + Number(-2, 4);
        case 9: return "sample-count " + Number(-1, 3);
        case 10: return "refuse " + Pick({"MeasurementMode", "Colorimetric.WhiteBase", "x"}) + " " + Number(1, 9);
        case 11: return "accept " + Pick({"MeasurementMode", "Colorimetric.WhiteBase", "x"});
        case 12: return "answer SerialNumber " + Pick({"", "123456", "two words", "  spaced  "});
        case 13:
            return "bad " + AnyCase(Pick({"nan-density", "infinite-density", "negative-density",
                                          "channel-out-of-range", "null-option", "nan-spectrum",
                                          "infinite-spectrum", "negative-spectrum"}));
        case 14: return "density-noise " + Pick({"0", "0.5", "0.25", "1e-3"});
        case 15: return "say " + Pick({"", "hello", "a # not said", "\tx"});
        case 16: return Pick({"", "   ", "# a comment", "\t# indented comment"});
        default: return "  " + AnyCase("press") + "   # with a comment";
        }
    }

    // A line the file format refuses.
    std::string BadStep()
    {
        switch (Random() % 20) {
        case 0: return "mauve";
        case 1: return "place mauve";
        case 2: return "place";
        case 3: return "place cyan magenta";
        case 4: {
            std::string line = "spectrum";
            for (int i = 0, n = Random() % 2 ? 35 : 37; i < n; ++i)
                line += " 0.5";
            return line;
        }
        case 5: {
            std::string line = "spectrum";
            for (int i = 0; i < 36; ++i)
                line += i == 17 ? Pick({" 2.5", " -0.1", " nan", " x", " inf", " 1e999"}) : " 0.5";
            return line;
        }
        case 6: return "press " + Pick({"0", "1001", "-1", "two", "1.5", "99999999999999999999"});
        case 7: return "press 1 2";
        case 8: return "hold " + Pick({"", "-1", "86400001", "1e3", "10ms"});
        case 9: return "wait " + Pick({"", "-5", "86400001", "0x10", "9223372036854775808"});
        case 10: return Pick({"unplug now", "plug in", "need-calibration 1", "good morning"});
        case 11: return "calibrate-result " + Pick({"1000001", "-1000001", "", "ok"});
        case 12: return "calibration-interval " + Pick({"-1", "1000001", "a"});
        case 13: return "sample-count " + Pick({"1001", "-1001", "many"});
        case 14: return "refuse " + Pick({"MeasurementMode 0", "MeasurementMode", "", "k 1 2"});
        case 15: return "accept" + Pick({"", " a b"});
        case 16: return "answer";
        case 17: return "bad " + Pick({"", "purple", "nan-density infinite-density"});
        case 18: return "density-noise " + Pick({"0.6", "-0.1", "nan", "", "0.1 0.2"});
        default: return Pick({"pres", "wait-1000", "spectrum", "\x01", "\xff\xfe"});
        }
    }

    std::string Garbage()
    {
        std::string line(Random() % 40, ' ');
        for (char& c : line) {
            c = char(1 + Random() % 255);
            if (c == '\n')
                c = '\r';
        }
        if (Random() % 2)
            line.insert(0, Pick({"place ", "press ", "wait ", "say ", "spectrum ", "bad ", "hold "}));
        return line;
    }

    static std::string Join(const std::vector<std::string>& lines, bool crlf)
    {
        std::string text;
        for (const std::string& line : lines)
            text += line + (crlf ? "\r\n" : "\n");
        return text;
    }

    // Plays a started scenario the way the program would: polls the button,
    // measures each press, moves the clock past waits and holds.
    void Drive(int turns, int msPerTurn)
    {
        for (int turn = 0; turn < turns && Sim().ScenarioState() == 1; ++turn) {
            Sim().AdvanceClock(msPerTurn);
            if (I1().KeyPressed() == 0)
                I1().TriggerMeasurement();
            I1().IsConnected();
        }
    }

    static std::string LineTag(int number) { return std::string(Name) + ":" + std::to_string(number) + ":"; }

    std::mt19937 Random{20250};
    std::vector<std::string> Patches;
};

TEST_F(ScenarioTorture, WellFormedStepsStartAndPlayToTheEnd)
{
    for (int round = 0; round < 300 && !HasFatalFailure(); ++round) {
        Sim().Reset();
        std::vector<std::string> lines(1 + Random() % 25);
        for (std::string& line : lines)
            line = ValidStep();
        const std::string text = Join(lines, round % 3 == 0);
        ASSERT_TRUE(Sim().StartScenarioText(text)) << "round " << round << ": " << Sim().ScenarioMessage() << "\n"
                                                   << text;
        EXPECT_EQ("", Sim().ScenarioMessage());
        Drive(2000, 6000);
        EXPECT_EQ(2, Sim().ScenarioState()) << "round " << round << ", stuck after step "
                                            << Sim().ScenarioStepsDone() << "\n" << text;
    }
}

TEST_F(ScenarioTorture, OneBadLineStopsEverythingAndIsNamed)
{
    for (int round = 0; round < 600 && !HasFatalFailure(); ++round) {
        Sim().Reset();
        std::vector<std::string> lines(Random() % 20);
        for (std::string& line : lines)
            line = ValidStep();
        const std::size_t bad = Random() % (lines.size() + 1);
        lines.insert(lines.begin() + long(bad), BadStep() + (Random() % 4 ? "" : "   # why"));
        const std::string text = Join(lines, round % 4 == 0);

        ASSERT_FALSE(Sim().StartScenarioText(text)) << "round " << round << "\n" << text;
        EXPECT_EQ(-1, Sim().ScenarioState());
        const std::string message = Sim().ScenarioMessage();
        EXPECT_EQ(0u, message.rfind(LineTag(int(bad) + 1), 0))
            << "round " << round << ": " << message << "\nbad line: " << lines[bad];
        EXPECT_GT(message.size(), LineTag(int(bad) + 1).size() + 2) << message;

        // Nothing of it runs.
        Drive(5, 6000);
        EXPECT_EQ(0, Sim().ScenarioStepsDone());
        EXPECT_EQ("paper", Sim().PlacedPatch());
        EXPECT_EQ(-1, Sim().ScenarioState());
    }
}

TEST_F(ScenarioTorture, GarbageLinesEitherRunOrNameAGarbageLine)
{
    int refused = 0;
    for (int round = 0; round < 600 && !HasFatalFailure(); ++round) {
        Sim().Reset();
        std::vector<std::string> lines(1 + Random() % 12);
        std::set<int> garbage;   // 1-based numbers of the lines that may be refused
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (Random() % 3 == 0) {
                lines[i] = Garbage();
                garbage.insert(int(i) + 1);
            } else {
                lines[i] = ValidStep();
            }
        }
        const std::string text = Join(lines, false);
        if (!Sim().StartScenarioText(text)) {
            ++refused;
            EXPECT_EQ(-1, Sim().ScenarioState());
            const std::string message = Sim().ScenarioMessage();
            bool named = false;
            for (int number : garbage)
                named = named || message.rfind(LineTag(number), 0) == 0;
            EXPECT_TRUE(named) << "round " << round << ": " << message;
            continue;
        }
        // Garbage that parses may ask for long waits: let the clock run fast.
        Drive(3000, 3600 * 1000);
        EXPECT_NE(-1, Sim().ScenarioState()) << "round " << round << ": " << Sim().ScenarioMessage();
    }
    EXPECT_GT(refused, 100);
}

TEST_F(ScenarioTorture, TextWithoutLineBreaksOrWithOnlyBreaksIsHandled)
{
    for (const char* text : {"", "\n", "\r\n", "\r", "\n\n\n\r\r", "#", "press", "press\r", "place cyan\r\r"}) {
        Sim().Reset();
        const bool started = Sim().StartScenarioText(text);
        if (started) {
            Drive(50, 6000);
            EXPECT_EQ(2, Sim().ScenarioState()) << '"' << text << '"';
        } else {
            EXPECT_EQ(0u, Sim().ScenarioMessage().rfind(std::string(Name) + ":1:", 0)) << Sim().ScenarioMessage();
        }
    }
}

}  // namespace
