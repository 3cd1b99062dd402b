// The densitometry pages as widgets, driven by the simulated instrument and
// a fake main window.
#include "Data/Config.h"
#include "DensitometryPages.h"
#include "DensityFormat.h"
#include "DensityFormulas.h"
#include "DensityTestSupport.h"
#include "EyeOne/EyeOne.h"
#include "FakePageHost.h"
#include "FilterComboBox.h"
#include "PageWidgets.h"
#include "SimControl.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>

#include <memory>
#include <string>
#include <vector>

namespace {

class DensitometryPagesTest : public TConfigFixture {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(EyeOne::LoadInstrumentLibrary());
        Sim = std::make_unique<TSimControl>();
    }
    static void TearDownTestSuite()
    {
        Sim.reset();
        EyeOne::FreeInstrumentLibrary();
    }

    void SetUp() override
    {
        TConfigFixture::SetUp();
        Sim->Reset();
        Sim->SetDensityNoise(0.0);
        Root = std::make_unique<QWidget>();
        Root->resize(588, 356);
        std::array<QWidget*, 11> pages{};
        for (int i = 0; i < 11; ++i) {
            pages[i] = new QWidget(Root.get());
            pages[i]->setObjectName(QStringLiteral("Page%1").arg(i));
            pages[i]->setGeometry(0, 0, 588, 356);
        }
        Pages = pages;
        Group = std::make_unique<TDensitometryPages>(Host, Pages);
    }

    void TearDown() override
    {
        Group.reset();
        Root.reset();
        TConfigFixture::TearDown();
    }

    template <typename T = QWidget>
    T* Find(const char* name) const
    {
        T* widget = Root->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString Text(const char* name) const
    {
        const QLabel* label = Find<QLabel>(name);
        return label ? label->text() : QStringLiteral("<missing>");
    }
    QColor SwatchColor(const char* name) const
    {
        const auto* swatch = Find<TSwatch>(name);
        return swatch ? swatch->Color() : QColor();
    }
    // A frame surrounds a swatch: 4 pixels outside its top and left edges.
    bool Surrounds(const char* frame, const char* swatch) const
    {
        const QWidget* f = Find(frame);
        const QWidget* s = Find(swatch);
        return f && s && f->pos() == s->pos() - QPoint(4, 4) && f->size() == QSize(58, 58);
    }
    void Place(const char* patch) { ASSERT_TRUE(Sim->PlacePatch(patch)) << patch; }
    void Click(const char* name)
    {
        QWidget* widget = Find(name);
        ASSERT_NE(widget, nullptr);
        const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
        QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
    }
    // Every value label of the pages, by name, with its text.
    std::vector<std::pair<QString, QString>> AllLabelTexts() const
    {
        std::vector<std::pair<QString, QString>> texts;
        for (const QLabel* label : Root->findChildren<QLabel*>())
            texts.emplace_back(label->objectName(), label->text());
        return texts;
    }

    static inline std::unique_ptr<TSimControl> Sim;
    TFakePageHost Host;
    std::unique_ptr<QWidget> Root;
    std::array<QWidget*, 11> Pages{};
    std::unique_ptr<TDensitometryPages> Group;
};

TEST_F(DensitometryPagesTest, EveryWidgetHasItsName)
{
    const char* names[] = {
        "DL01", "DL02", "DL03", "DL04", "DL05", "DL1", "DL2", "DL3", "DL4", "DL5", "SH01", "SH02", "SH03", "SH04",
        "sh05", "FilterCB", "DL11", "DL14", "DL23", "DL54", "SH011", "SH012", "SH013", "SH014", "CAL1", "MAL1",
        "YAL1", "BAL1", "CAL5", "BAL5", "mDensSh", "DCSl", "DMSl", "DYSl", "DBSl", "DCMl", "DMMl", "DYMl", "DBMl",
        "DCDl", "DMDl", "DYDl", "DBDl", "ShdfS", "ShdfM", "MeasDRefBtn", "MeasDColorBtn", "ShD1", "ShD2", "ShD3",
        "ShD4", "DDL1", "DDL2", "DDL3", "DGl1", "DGl2", "DGl3", "DGl4", "PDG1", "PDG2", "PDG3", "DGBordSh", "ShDA1",
        "ShDA2", "ShDA3", "ShDA4", "DDAl1", "DDAl2", "DDAl3", "DDAl4", "DABordSh", "ShK1", "ShK2", "DKL2", "KL1",
        "KL2", "KBordSh", "ShTr0", "Trl0", "ShTR1", "ShTR2", "ShTR3", "TrL1", "TrL2", "TrL3", "TRLl1", "TRLl2",
        "Msg", "TrBordSh", "ShH1", "ShH2", "ShH3", "hElL1", "hElL2", "hElL3", "HEl1", "HEl2", "HEl3", "HEBordSh",
        "ShGR1", "ShGR2", "ShGR3", "GRLl1", "GRLl2", "GRLl3", "GRl1", "GRl2", "GRL3", "GRBordSh", "ShPC1", "ShPC6",
        "ShPC10", "PCL1", "PCL10", "PCBordSh", "ShCol", "PBxPC", "Ciano1", "ShDGC1", "ShDGC4", "DGCL1", "DGCL4",
        "DGCurveL1", "DGCurveL3", "DGCBordSh", "PBxDG"};
    for (const char* name : names) {
        const auto found = Root->findChildren<QWidget*>(QString::fromLatin1(name));
        EXPECT_EQ(found.size(), 1) << name;
    }
}

TEST_F(DensitometryPagesTest, StartTexts)
{
    const std::pair<const char*, const char*> texts[] = {
        {"DL01", "0.00"}, {"DL1", "-"},   {"DL11", "0.00"}, {"DL54", "0.00"}, {"CAL1", "C"},   {"MAL3", "M"},
        {"YAL5", "Y"},    {"BAL2", "K"},  {"DCSl", "0.00"}, {"DBDl", "0.00"}, {"DGl1", "0.00"}, {"DGl2", "0%"},
        {"DDL1", "75%"},  {"DDL2", "50%"}, {"DDL3", "25%"}, {"DKL2", "75%"},  {"KL1", "0.00"},  {"KL2", "0%"},
        {"DDAl1", "0.00"}, {"DDAl4", "0%"}, {"Trl0", "?"},   {"TrL1", "0.00"}, {"TRLl1", "-"},  {"TrL3", "0%"},
        {"Msg", "Measure first down color"}, {"hElL1", "-"}, {"HEl3", "0%"}, {"GRLl2", "-"},   {"GRL3", "0%"}};
    for (const auto& [name, text] : texts)
        EXPECT_EQ(Text(name), text) << name;
    EXPECT_EQ(SwatchColor("SH01"), QColor("#808080"));
    EXPECT_EQ(SwatchColor("ShD1"), QColor("#9A9A9A"));
    EXPECT_EQ(SwatchColor("SH012"), QColor("#DB3281"));
    EXPECT_TRUE(Find<QPushButton>("MeasDRefBtn")->isChecked());
    EXPECT_FALSE(Find<QPushButton>("MeasDColorBtn")->isChecked());
    EXPECT_EQ(Find<QComboBox>("FilterCB")->currentText(), "Auto");
    EXPECT_EQ(Find<QComboBox>("FilterCB")->count(), 5);
    EXPECT_LT(Find("mDensSh")->x(), -90);
    for (const char* frame : {"DGBordSh", "DABordSh", "KBordSh", "TrBordSh", "HEBordSh", "GRBordSh"})
        EXPECT_EQ(Find(frame)->size(), QSize(58, 58)) << frame;
    EXPECT_TRUE(Surrounds("DGBordSh", "ShD1"));
    EXPECT_TRUE(Surrounds("TrBordSh", "ShTr0"));
    EXPECT_TRUE(Surrounds("GRBordSh", "ShGR1"));
}

TEST_F(DensitometryPagesTest, BlinkFramePerPage)
{
    const std::pair<int, const char*> frames[] = {{3, "DGBordSh"},  {4, "PCBordSh"},  {5, "DGCBordSh"},
                                                  {6, "DABordSh"},  {7, "KBordSh"},   {8, "TrBordSh"},
                                                  {9, "HEBordSh"},  {10, "GRBordSh"}};
    for (const auto& [index, name] : frames)
        EXPECT_EQ(Group->BlinkFrame(index), Find(name)) << index;
    for (int index : {0, 1, 2, 11, -1})
        EXPECT_EQ(Group->BlinkFrame(index), nullptr) << index;
}

TEST_F(DensitometryPagesTest, FilterAutoVersusCyanOnAMagentaPatch)
{
    Place("magenta");
    Group->MeasureDensityPage();
    EXPECT_EQ(Text("DL1"), "M");
    EXPECT_EQ(SwatchColor("SH01"), QColor("#D8217E"));
    EXPECT_EQ(Text("DL01"), Text("DL12"));  // the magenta density
    const QString magenta = Text("DL12");
    EXPECT_EQ(Find("mDensSh")->x(), Find("SH012")->x() - 3);

    auto* filter = Find<QComboBox>("FilterCB");
    filter->setCurrentIndex(1);
    Group->FilterCBChange(1);
    EXPECT_EQ(Config.FilterChoice, 1);
    EXPECT_EQ(Host.FocusDummyCalls, 1);
    Group->MeasureDensityPage();
    EXPECT_EQ(Text("DL1"), "C");
    EXPECT_EQ(SwatchColor("SH01"), QColor("#009ADA"));
    EXPECT_EQ(Text("DL01"), Text("DL11"));  // the cyan density of the same patch
    EXPECT_EQ(Text("DL02"), magenta);
    EXPECT_EQ(Text("DL2"), "M");
    // The marker still follows the recognised channel.
    EXPECT_EQ(Find("mDensSh")->x(), Find("SH012")->x() - 3);
}

TEST_F(DensitometryPagesTest, MarkerFollowsTheRecognisedChannel)
{
    const std::pair<const char*, const char*> patches[] = {
        {"cyan", "SH011"}, {"magenta", "SH012"}, {"yellow", "SH013"}, {"black", "SH014"}};
    Group->FilterCBChange(4);
    for (const auto& [patch, swatch] : patches) {
        Place(patch);
        Group->MeasureDensityPage();
        EXPECT_EQ(Find("mDensSh")->pos(), Find(swatch)->pos() - QPoint(3, 3)) << patch;
        EXPECT_EQ(Text("DL1"), "K");
    }
}

TEST_F(DensitometryPagesTest, SixthMeasurementLeavesBothHistories)
{
    const char* patches[] = {"black", "cyan", "magenta", "yellow", "cyan-50", "magenta-50"};
    std::vector<QString> cyanDensities;
    for (const char* patch : patches) {
        Place(patch);
        Group->MeasureDensityPage();
        cyanDensities.push_back(Text("DL11"));
    }
    EXPECT_EQ(Text("DL1"), "M");
    EXPECT_EQ(Text("DL2"), "C");
    EXPECT_EQ(Text("DL3"), "Y");
    EXPECT_EQ(Text("DL4"), "M");
    EXPECT_EQ(Text("DL5"), "C");  // the black patch has gone
    const char* rows[] = {"DL11", "DL21", "DL31", "DL41", "DL51"};
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(Text(rows[row]), cyanDensities[5 - row]) << row;
}

TEST_F(DensitometryPagesTest, DecimalsChangeOnlyLaterValues)
{
    Place("cyan");
    Group->MeasureDensityPage();
    const QString before = Text("DL01");
    ASSERT_TRUE(QRegularExpression("^\\d\\.\\d\\d$").match(before).hasMatch()) << before.toStdString();
    Config.Decimals = 4;
    EXPECT_EQ(Text("DL01"), before);
    Group->MeasureDensityPage();
    EXPECT_TRUE(QRegularExpression("^\\d\\.\\d{4}$").match(Text("DL01")).hasMatch());
    EXPECT_TRUE(QRegularExpression("^\\d\\.\\d{4}$").match(Text("DL02")).hasMatch());
    EXPECT_TRUE(Text("DL02").startsWith(before.left(3)));
}

TEST_F(DensitometryPagesTest, DensityStandardTakesEffectAtTheNextMeasurement)
{
    Place("yellow");
    Group->MeasureDensityPage();
    EXPECT_EQ(Sim->OptionValue("Colorimetric.DensityStandard"), "DIN");
    const QString din = Text("DL13");

    Config.DensityStandardFilter = 3;  // the operator picks "ANSI T"
    EXPECT_EQ(Sim->OptionValue("Colorimetric.DensityStandard"), "DIN");
    Sim->ClearCallLog();
    Group->MeasureDensityPage();
    EXPECT_EQ(Sim->OptionValue("Colorimetric.DensityStandard"), "ANSIT");
    EXPECT_NE(Text("DL13"), din);
    const std::vector<std::string> expected = {"I1_TriggerMeasurement", "I1_GetNumberOfAvailableSamples",
                                               "I1_SetOption Colorimetric.DensityStandard=ANSIT",
                                               "I1_GetDensities"};
    const std::vector<std::string> lines = Sim->CallLines();
    ASSERT_GE(lines.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(lines[i].rfind(expected[i], 0), 0u) << lines[i];
}

TEST_F(DensitometryPagesTest, EveryStandardIndexAndAnUnknownOne)
{
    const std::pair<int, const char*> cases[] = {{0, "DIN"}, {1, "DINNB"}, {2, "ANSIA"}, {3, "ANSIT"}, {4, "SPI"}};
    Place("cyan");
    for (const auto& [index, option] : cases) {
        Config.DensityStandardFilter = index;
        Group->MeasureDotAreaPage();
        EXPECT_EQ(Sim->OptionValue("Colorimetric.DensityStandard"), option);
    }
    Sim->ClearCallLog();
    Config.DensityStandardFilter = 7;
    Group->MeasureDensityPage();
    EXPECT_EQ(Sim->CallCount("I1_SetOption"), 0);
    EXPECT_EQ(Sim->CallCount("I1_GetDensities"), 1);
    EXPECT_EQ(Text("DL1"), "C");
}

TEST_F(DensitometryPagesTest, CalibrationNeededHandsOverToTheStartUpSequence)
{
    Place("cyan");
    Sim->SetNextTriggerResult(3);
    Sim->ClearCallLog();
    const auto before = AllLabelTexts();
    Group->MeasureDensityPage();
    EXPECT_EQ(Host.StartupTimerCalls, 1);
    EXPECT_EQ(Sim->CallCount("I1_GetDensities"), 0);
    EXPECT_EQ(AllLabelTexts(), before);
}

TEST_F(DensitometryPagesTest, OtherTriggerResultsGoOnToTheSampleCount)
{
    Place("cyan");
    Sim->SetNextTriggerResult(5);  // refused without measuring: no sample
    Group->MeasureDensityPage();
    EXPECT_EQ(Host.StartupTimerCalls, 0);
    EXPECT_EQ(Sim->CallCount("I1_GetNumberOfAvailableSamples"), 1);
}

TEST_F(DensitometryPagesTest, NoSampleChangesNothing)
{
    Place("cyan");
    Sim->SetSampleCount(0);
    const auto before = AllLabelTexts();
    Group->MeasureDensityPage();
    Group->MeasureDotGainPage();
    Group->MeasureTrappingPage();
    EXPECT_EQ(AllLabelTexts(), before);
    EXPECT_EQ(Group->DotGainModel().Step, 0);
    EXPECT_EQ(Group->TrappingModel().Step, 0);
    EXPECT_EQ(Sim->CallCount("I1_GetDensities"), 0);
}

// Unusable driver answers leave every page as it was, on every page.
TEST_F(DensitometryPagesTest, BadDriverAnswersAreHarmless)
{
    using THandler = void (TDensitometryPages::*)();
    const THandler handlers[] = {
        &TDensitometryPages::MeasureDensityPage,     &TDensitometryPages::MeasureDensityDiffPage,
        &TDensitometryPages::MeasureDotGainPage,     &TDensitometryPages::MeasureDotAreaPage,
        &TDensitometryPages::MeasurePrintContrastPage, &TDensitometryPages::MeasureTrappingPage,
        &TDensitometryPages::MeasureHueErrorPage,    &TDensitometryPages::MeasureGraynessPage};
    const int kinds[] = {I1SimBadNaNDensity, I1SimBadInfiniteDensity, I1SimBadChannelOutOfRange};
    Place("magenta");
    for (int kind : kinds) {
        Sim->ClearBadAnswers();
        Sim->SetBadAnswer(kind);
        const auto before = AllLabelTexts();
        for (THandler handler : handlers) {
            (Group.get()->*handler)();
            (Group.get()->*handler)();  // the channel answers 7, then -1
        }
        EXPECT_EQ(AllLabelTexts(), before) << kind;
        EXPECT_EQ(Group->DotGainModel().Step, 0) << kind;
        EXPECT_EQ(Group->TrappingModel().Step, 0) << kind;
        EXPECT_EQ(Group->HueErrorModel().Step, 0) << kind;
    }
    EXPECT_EQ(Host.StartupTimerCalls, 0);
}

TEST_F(DensitometryPagesTest, NegativeDensitiesAreReadingsAndKeepEveryFigureFinite)
{
    Sim->SetBadAnswer(I1SimBadNegativeDensity);
    Place("cyan");
    Group->MeasureDensityPage();
    EXPECT_TRUE(Text("DL01").startsWith("-"));
    for (int i = 0; i < 4; ++i) {
        Group->MeasureDotGainPage();
        Group->MeasureDotAreaPage();
        Group->MeasurePrintContrastPage();
        Group->MeasureTrappingPage();
        Group->MeasureHueErrorPage();
        Group->MeasureGraynessPage();
    }
    for (const auto& [name, text] : AllLabelTexts()) {
        EXPECT_FALSE(text.contains("nan", Qt::CaseInsensitive)) << name.toStdString();
        EXPECT_FALSE(text.contains("inf", Qt::CaseInsensitive)) << name.toStdString();
    }
    EXPECT_EQ(Text("GRl1"), "-");  // the highest density is held at 0
}

TEST_F(DensitometryPagesTest, DensitiesDiffReferenceThenCompared)
{
    Group->PatchColor = [] { return 0x112233; };
    Place("magenta");
    Group->MeasureDensityDiffPage();
    EXPECT_FALSE(Find<QPushButton>("MeasDRefBtn")->isChecked());
    EXPECT_TRUE(Find<QPushButton>("MeasDColorBtn")->isChecked());
    EXPECT_EQ(SwatchColor("ShdfS"), QColor(0x33, 0x22, 0x11));
    EXPECT_EQ(Text("DMDl"), "0.00");
    const float reference = Group->DensityDiffModel().DiffSampleDensities[1];
    EXPECT_EQ(Text("DMSl"), DensityFormat(reference));

    Group->PatchColor = [] { return 0x445566; };
    Place("magenta-90");
    Group->MeasureDensityDiffPage();
    const float compared = Group->DensityDiffModel().DiffMeasureDensities[1];
    EXPECT_LT(compared, reference);
    EXPECT_EQ(Text("DMMl"), DensityFormat(compared));
    EXPECT_EQ(Text("DMDl"), DensityFormat(compared - reference));
    EXPECT_TRUE(Text("DMDl").startsWith("-"));
    EXPECT_EQ(SwatchColor("ShdfM"), QColor(0x66, 0x55, 0x44));
    EXPECT_TRUE(Find<QPushButton>("MeasDColorBtn")->isChecked());

    // A new reference when the operator presses the reference button.
    Find<QPushButton>("MeasDRefBtn")->click();
    EXPECT_FALSE(Find<QPushButton>("MeasDColorBtn")->isChecked());
    Place("cyan");
    Group->MeasureDensityDiffPage();
    EXPECT_EQ(Text("DCSl"), DensityFormat(Group->DensityDiffModel().DiffSampleDensities[0]));
    EXPECT_EQ(Text("DMDl"), DensityFormat(compared - reference));  // differences untouched
}

TEST_F(DensitometryPagesTest, DensitiesDiffBeforeAnyReference)
{
    Find<QPushButton>("MeasDColorBtn")->click();
    Place("yellow");
    Group->MeasureDensityDiffPage();
    const char* measured[] = {"DCMl", "DMMl", "DYMl", "DBMl"};
    const char* differences[] = {"DCDl", "DMDl", "DYDl", "DBDl"};
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(Text(differences[c]), Text(measured[c])) << c;
    EXPECT_EQ(Text("DYSl"), "0.00");
}

TEST_F(DensitometryPagesTest, DefaultPatchColourComesFromTheMeasuredSpectrum)
{
    Find<QPushButton>("MeasDColorBtn")->click();
    Place("magenta");
    Group->MeasureDensityDiffPage();
    const QColor magenta = SwatchColor("ShdfM");
    EXPECT_GT(magenta.red(), magenta.green() + 60);
    EXPECT_GT(magenta.blue(), magenta.green());
    Place("paper");
    Group->MeasureDensityDiffPage();
    const QColor paper = SwatchColor("ShdfM");
    EXPECT_GT(paper.lightness(), 200);
}

TEST_F(DensitometryPagesTest, DotGainSequenceWithDefaultTints)
{
    const std::pair<const char*, const char*> steps[] = {
        {"cyan", "ShD2"}, {"cyan-75", "ShD3"}, {"cyan-50", "ShD4"}, {"cyan-25", "ShD1"}};
    for (const auto& [patch, next] : steps) {
        Place(patch);
        Group->MeasureDotGainPage();
        EXPECT_TRUE(Surrounds("DGBordSh", next)) << patch;
    }
    const TDensitoShared& shared = Group->Shared();
    EXPECT_EQ(Text("DGl1"), DensityFormat(shared.SolidDensity[0]));
    EXPECT_EQ(SwatchColor("ShD1"), QColor("#009ADA"));
    EXPECT_EQ(SwatchColor("ShD3"), QColor("#8DCBE8"));
    // Every gain is a whole number with "%", and a printing press gains at 50 %.
    const QRegularExpression percent("^-?\\d+%$");
    for (const char* label : {"DGl2", "DGl3", "DGl4"})
        EXPECT_TRUE(percent.match(Text(label)).hasMatch()) << label << " " << Text(label).toStdString();
    const int gain50 = Text("DGl3").chopped(1).toInt();
    EXPECT_GE(gain50, 5);
    EXPECT_LE(gain50, 25);
    // The last tint is the one the shared state keeps; its gain follows from it.
    const auto area25 = DotArea(shared.TintDensity[0], shared.SolidDensity[0], 1.0f);
    ASSERT_TRUE(area25);
    EXPECT_EQ(Text("DGl4"), PercentText(double(*area25) - 25.0));
}

TEST_F(DensitometryPagesTest, DotGainWithATintHidden)
{
    struct TCase {
        void (TDensitometryPages::*Hide)(bool);
        const char* Hidden;
        std::vector<const char*> Frames;  // frame after each measurement
    };
    const TCase cases[] = {
        {&TDensitometryPages::DGvCB2Click, "ShD3", {"ShD2", "ShD4", "ShD1"}},
        {&TDensitometryPages::DGvCB3Click, "ShD4", {"ShD2", "ShD3", "ShD3", "ShD3"}},
    };
    const char* patches[] = {"magenta", "magenta-75", "magenta-25", "magenta-25"};
    for (const TCase& c : cases) {
        SetUp();
        (Group.get()->*c.Hide)(false);
        EXPECT_FALSE(Find(c.Hidden)->isVisibleTo(Root.get()));
        for (size_t i = 0; i < c.Frames.size(); ++i) {
            Place(patches[i]);
            Group->MeasureDotGainPage();
            EXPECT_TRUE(Surrounds("DGBordSh", c.Frames[i])) << c.Hidden << " " << i;
        }
    }
    EXPECT_FALSE(Config.Dot3Visible);
    EXPECT_FALSE(Find("PDG3")->isVisibleTo(Root.get()));
    EXPECT_FALSE(Find("DDL3")->isVisibleTo(Root.get()));
    Group->DGvCB3Click(true);
    EXPECT_TRUE(Find("PDG3")->isVisibleTo(Root.get()));
    EXPECT_TRUE(Find("ShD4")->isVisibleTo(Root.get()));
}

TEST_F(DensitometryPagesTest, FrameLeavesATintRowThatIsHidden)
{
    Place("yellow");
    Group->MeasureDotGainPage();
    Group->MeasureDotGainPage();
    ASSERT_TRUE(Surrounds("DGBordSh", "ShD3"));
    Group->DGvCB2Click(false);
    EXPECT_TRUE(Surrounds("DGBordSh", "ShD4"));
    Group->DGvCB3Click(false);
    EXPECT_TRUE(Surrounds("DGBordSh", "ShD1"));
}

TEST_F(DensitometryPagesTest, DotGainIgnoresATintOfAnotherInk)
{
    Place("cyan");
    Group->MeasureDotGainPage();
    const auto before = AllLabelTexts();
    Place("magenta-50");
    Group->MeasureDotGainPage();
    EXPECT_EQ(AllLabelTexts(), before);
    EXPECT_TRUE(Surrounds("DGBordSh", "ShD2"));
}

TEST_F(DensitometryPagesTest, PressingASwatchMakesTheNextMeasurementThatPatch)
{
    Place("black");
    Group->MeasureDotGainPage();
    Click("ShD4");
    EXPECT_TRUE(Surrounds("DGBordSh", "ShD4"));
    EXPECT_EQ(Host.BlinkShape, Find("DGBordSh"));
    EXPECT_TRUE(Find("DGBordSh")->isVisible() || !Root->isVisible());
    Place("black-25");
    Group->MeasureDotGainPage();
    EXPECT_NE(Text("DGl4"), "0%");
    EXPECT_EQ(Text("DGl2"), "0%");
    EXPECT_TRUE(Surrounds("DGBordSh", "ShD1"));

    const std::pair<const char*, const char*> presses[] = {
        {"ShDA3", "DABordSh"}, {"ShK2", "KBordSh"}, {"ShH2", "HEBordSh"}, {"ShGR3", "GRBordSh"}, {"ShTR1", "TrBordSh"}};
    for (const auto& [swatch, frame] : presses) {
        Click(swatch);
        EXPECT_TRUE(Surrounds(frame, swatch)) << swatch;
        EXPECT_EQ(Host.BlinkShape, Find(frame)) << swatch;
    }
    // The substrate and the later trapping swatches take no press.
    Host.BlinkShape = nullptr;
    Click("ShTR3");
    EXPECT_EQ(Host.BlinkShape, nullptr);
    EXPECT_TRUE(Surrounds("TrBordSh", "ShTR1"));
}

TEST_F(DensitometryPagesTest, DotAreaCyclesItsTintsAgainstTheSameSolid)
{
    Group->PatchColor = [] { return 0x0000FF; };
    const std::pair<const char*, const char*> steps[] = {{"magenta", "ShDA2"},    {"magenta-25", "ShDA3"},
                                                         {"magenta-50", "ShDA4"}, {"magenta-75", "ShDA2"},
                                                         {"magenta-30", "ShDA3"}};
    for (const auto& [patch, next] : steps) {
        Place(patch);
        Group->MeasureDotAreaPage();
        EXPECT_TRUE(Surrounds("DABordSh", next)) << patch;
    }
    const TDensitoShared& shared = Group->Shared();
    EXPECT_EQ(Text("DDAl1"), DensityFormat(shared.SolidDensity[1]));
    EXPECT_EQ(Text("DDAl2"), PercentText(double(*DotArea(shared.TintDensity[1], shared.SolidDensity[1], 1.0f))));
    EXPECT_EQ(SwatchColor("ShDA1"), QColor(0xFF, 0, 0));
    const int area75 = Text("DDAl4").chopped(1).toInt();
    EXPECT_GT(area75, 75);
    EXPECT_LT(area75, 100);
}

TEST_F(DensitometryPagesTest, PrintContrastAndItsSolidOfZero)
{
    Click("ShK2");
    Place("black-75");
    Group->MeasurePrintContrastPage();
    EXPECT_EQ(Text("KL2"), "-");  // no black solid yet
    Click("ShK1");
    Place("black");
    Group->MeasurePrintContrastPage();
    Place("black-75");
    Group->MeasurePrintContrastPage();
    const TDensitoShared& shared = Group->Shared();
    EXPECT_EQ(Text("KL1"), DensityFormat(shared.SolidDensity[3]));
    EXPECT_EQ(Text("KL2"), PercentText(double(*PrintContrast(shared.SolidDensity[3], shared.TintDensity[3]))));
    EXPECT_EQ(SwatchColor("ShK2"), QColor("#6A6A6C"));
    EXPECT_TRUE(Surrounds("KBordSh", "ShK2"));
}

TEST_F(DensitometryPagesTest, DotAreaAgainstASolidOfZero)
{
    Click("ShDA2");
    Place("yellow-50");
    Group->MeasureDotAreaPage();
    EXPECT_EQ(Text("DDAl2"), "-");
    EXPECT_TRUE(Surrounds("DABordSh", "ShDA3"));  // the loop goes on
}

TEST_F(DensitometryPagesTest, TrappingPromptsAndSubstrateStep)
{
    const struct {
        const char* Patch;
        const char* Prompt;
        const char* Frame;
    } steps[] = {{"paper", "Measure first down color", "ShTR1"},
                 {"cyan", "Measure second down color", "ShTR2"},
                 {"magenta", "Measure overprint", "ShTR3"},
                 {"blue", "Measure first down color", "ShTr0"}};
    for (const auto& s : steps) {
        Place(s.Patch);
        Group->MeasureTrappingPage();
        EXPECT_EQ(Text("Msg"), s.Prompt) << s.Patch;
        EXPECT_TRUE(Surrounds("TrBordSh", s.Frame)) << s.Patch;
    }
    EXPECT_EQ(Text("Trl0"), "OK!");
    EXPECT_EQ(SwatchColor("ShTr0"), QColor(Qt::white));
    EXPECT_EQ(Text("TRLl1"), "C");
    EXPECT_EQ(Text("TRLl2"), "M");
    const QRegularExpression trap("^M on C = (\\d+)%$");
    const auto match = trap.match(Text("TrL3"));
    ASSERT_TRUE(match.hasMatch()) << Text("TrL3").toStdString();
    EXPECT_GT(match.captured(1).toInt(), 50);
    EXPECT_LE(match.captured(1).toInt(), 110);

    const QString first = Text("TrL1");
    Place("paper");
    Group->MeasureTrappingPage();
    EXPECT_EQ(Text("TrL1"), first);
    EXPECT_EQ(Text("TrL2"), "");
    EXPECT_EQ(Text("TrL3"), "");
    EXPECT_EQ(SwatchColor("ShTR2"), QColor("#808080"));
    EXPECT_EQ(SwatchColor("ShTR3"), QColor("#808080"));
}

TEST_F(DensitometryPagesTest, TrappingOverprintWithoutDownColours)
{
    Place("paper");
    Group->MeasureTrappingPage();
    Place("black");
    Group->MeasureTrappingPage();
    Group->MeasureTrappingPage();
    Place("red");
    Group->MeasureTrappingPage();
    EXPECT_EQ(Text("TrL3"), "-");
    EXPECT_EQ(Text("Msg"), "Measure first down color");
    EXPECT_TRUE(Surrounds("TrBordSh", "ShTr0"));
}

TEST_F(DensitometryPagesTest, RestartOfTheTrappingSequence)
{
    Place("paper");
    Group->MeasureTrappingPage();
    Place("yellow");
    Group->MeasureTrappingPage();
    Click("ShTR1");
    EXPECT_EQ(Text("Msg"), "Measure first down color");
    Place("magenta");
    Group->MeasureTrappingPage();
    EXPECT_EQ(Text("TRLl1"), "M");
    EXPECT_EQ(Text("Msg"), "Measure second down color");
}

TEST_F(DensitometryPagesTest, HueErrorAndGraynessOfTheThreeSolids)
{
    const char* inks[] = {"cyan", "magenta", "yellow"};
    for (const char* ink : inks) {
        Place(ink);
        Group->MeasureHueErrorPage();
        Group->MeasureGraynessPage();
    }
    EXPECT_EQ(Text("hElL1"), "C");
    EXPECT_EQ(Text("hElL2"), "M");
    EXPECT_EQ(Text("hElL3"), "Y");
    EXPECT_EQ(Text("GRLl3"), "Y");
    EXPECT_TRUE(Surrounds("HEBordSh", "ShH1"));
    EXPECT_TRUE(Surrounds("GRBordSh", "ShGR1"));
    const QRegularExpression percent("^(\\d+)%$");
    for (const char* label : {"HEl1", "HEl2", "HEl3", "GRl1", "GRl2", "GRL3"}) {
        const auto match = percent.match(Text(label));
        ASSERT_TRUE(match.hasMatch()) << label;
        EXPECT_LT(match.captured(1).toInt(), 60) << label;
    }
    // The yellow patch is the last solid both pages recorded.
    const TDensitoShared& shared = Group->Shared();
    EXPECT_EQ(shared.LastChannel, TDensityChannel::Yellow);
    EXPECT_GT(shared.SolidDensity[2], 0.7f);
}

TEST_F(DensitometryPagesTest, HueErrorWritesTheSolidsUsedByDotArea)
{
    Place("cyan");
    Group->MeasureHueErrorPage();
    const float cyanSolid = Group->Shared().SolidDensity[0];
    Click("ShDA2");
    Place("cyan-50");
    Group->MeasureDotAreaPage();
    EXPECT_EQ(Text("DDAl2"), PercentText(double(*DotArea(Group->Shared().TintDensity[0], cyanSolid, 1.0f))));
    EXPECT_NE(Text("DDAl2"), "-");
}

TEST_F(DensitometryPagesTest, HueErrorOfAGreyPatch)
{
    const TSimControl::TSpectrum flat = [] {
        TSimControl::TSpectrum s{};
        s.fill(0.2f);
        return s;
    }();
    Sim->PlaceSpectrum(flat);
    Group->MeasureHueErrorPage();
    Group->MeasureGraynessPage();
    // A neutral grey has three equal densities: no hue error, grayness 100 %.
    const QString hue = Text("HEl1");
    EXPECT_TRUE(hue == "-" || QRegularExpression("^\\d+%$").match(hue).hasMatch());
    EXPECT_FALSE(hue.contains("nan"));
}

TEST_F(DensitometryPagesTest, SettingsHandlers)
{
    Group->DGed1Change("80");
    EXPECT_EQ(Config.Dot1, 80);
    EXPECT_EQ(Text("DDL1"), "80%");
    Group->DGed2Change(" 45 ");
    EXPECT_EQ(Text("DDL2"), "45%");
    Group->DGed3Change("abc");
    Group->DGed3Change("");
    Group->DGed3Change("12.5");
    Group->DGed3Change("150");
    EXPECT_EQ(Config.Dot3, 25);
    EXPECT_EQ(Text("DDL3"), "25%");
    Group->Ked1Change("60");
    EXPECT_EQ(Config.DotContrast1, 60);
    EXPECT_EQ(Text("DKL2"), "60%");
    Group->Ked1Change("x");
    EXPECT_EQ(Text("DKL2"), "60%");
    Group->DGvCB1Click(false);
    EXPECT_FALSE(Config.Dot1Visible);
    EXPECT_FALSE(Find("ShD2")->isVisibleTo(Root.get()));
    EXPECT_FALSE(Find("DDL1")->isVisibleTo(Root.get()));
    EXPECT_FALSE(Find("PDG1")->isVisibleTo(Root.get()));
}

TEST_F(DensitometryPagesTest, ApplySettingsAtStart)
{
    Config.Dot2Visible = false;
    Config.Dot1 = 70;
    Config.DotContrast1 = 80;
    // New pages, built with the settings of the moment.
    Group.reset();
    Root = std::make_unique<QWidget>();
    for (QWidget*& page : Pages)
        page = new QWidget(Root.get());
    Group = std::make_unique<TDensitometryPages>(Host, Pages);
    EXPECT_FALSE(Find("ShD3")->isVisibleTo(Pages[3]));
    EXPECT_TRUE(Find("ShD2")->isVisibleTo(Pages[3]));
    EXPECT_EQ(Text("DDL1"), "70%");
    EXPECT_EQ(Text("DKL2"), "80%");
}

TEST_F(DensitometryPagesTest, ResetReturnsToTheFirstState)
{
    Place("cyan");
    Group->MeasureDensityPage();
    Group->MeasureDotGainPage();
    Group->MeasureTrappingPage();
    Group->FilterCBChange(2);
    Group->Reset();
    EXPECT_EQ(Text("DL01"), "0.00");
    EXPECT_EQ(Text("DL1"), "-");
    EXPECT_EQ(Text("DGl1"), "0.00");
    EXPECT_EQ(Text("Trl0"), "?");
    EXPECT_TRUE(Surrounds("DGBordSh", "ShD1"));
    EXPECT_TRUE(Surrounds("TrBordSh", "ShTr0"));
    EXPECT_EQ(Config.FilterChoice, 0);
    EXPECT_LT(Find("mDensSh")->x(), -90);
    EXPECT_FLOAT_EQ(Group->Shared().SolidDensity[0], 0.0f);
}

TEST_F(DensitometryPagesTest, MissingPageWidgetsDoNotBreakTheHandlers)
{
    Group.reset();
    std::array<QWidget*, 11> none{};
    TDensitometryPages pages(Host, none);
    Place("cyan");
    pages.MeasureDensityPage();
    pages.MeasureDotGainPage();
    EXPECT_EQ(pages.DensityModel().NameText[0], "C");
}

}  // namespace

namespace {

// Each page after a realistic series of patches, grabbed to a picture. The
// pictures are written when KELVORA_SCREENSHOT_DIR names a folder.
TEST_F(DensitometryPagesTest, PagesPaintAfterASeries)
{
    const char* densities[] = {"black", "yellow", "magenta", "cyan", "magenta"};
    for (const char* patch : densities) {
        Place(patch);
        Group->MeasureDensityPage();
    }
    Place("magenta");
    Group->MeasureDensityDiffPage();
    Place("magenta-90");
    Group->MeasureDensityDiffPage();
    for (const char* patch : {"magenta", "magenta-75", "magenta-50", "magenta-25"}) {
        Place(patch);
        Group->MeasureDotGainPage();
    }
    for (const char* patch : {"cyan", "cyan-25", "cyan-50", "cyan-75"}) {
        Place(patch);
        Group->MeasureDotAreaPage();
    }
    for (const char* patch : {"black", "black-75"}) {
        Place(patch);
        Group->MeasurePrintContrastPage();
    }
    for (const char* patch : {"paper", "cyan", "magenta", "blue"}) {
        Place(patch);
        Group->MeasureTrappingPage();
    }
    for (const char* patch : {"cyan", "magenta", "yellow"}) {
        Place(patch);
        Group->MeasureHueErrorPage();
        Group->MeasureGraynessPage();
    }
    Place("cyan");
    Group->MeasureTrappingPage();

    const QString folder = qEnvironmentVariable("KELVORA_SCREENSHOT_DIR");
    const char* names[] = {"density", "all-densities", "densities-diff", "dot-gain", "print-curve", "dot-gain-curve",
                           "dot-area", "print-contrast", "trapping", "hue-error", "grayness"};
    for (int i = 0; i < 11; ++i) {
        if (i == 4 || i == 5)
            continue;
        Pages[i]->resize(588, 356);
        Pages[i]->setAutoFillBackground(true);
        QPalette palette = Pages[i]->palette();
        palette.setColor(QPalette::Window, QColor(0xEE, 0xEE, 0xEE));
        Pages[i]->setPalette(palette);
        const QPixmap picture = Pages[i]->grab();
        EXPECT_FALSE(picture.isNull()) << names[i];
        if (!folder.isEmpty()) {
            EXPECT_TRUE(picture.save(QDir(folder).filePath(QStringLiteral("densitometry-%1.png").arg(names[i]))));
        }
    }

    // The dropped-down filter list, item by item, the third one selected.
    auto* filter = Find<QComboBox>("FilterCB");
    QPixmap items(130, 5 * TFilterComboBox::ItemHeight);
    items.fill(Qt::white);
    QPainter painter(&items);
    painter.setFont(filter->font());
    for (int i = 0; i < filter->count(); ++i)
        DrawFilterItem(painter, QRect(0, i * TFilterComboBox::ItemHeight, 130, TFilterComboBox::ItemHeight), i,
                       filter->itemText(i), i == 2, filter->palette());
    painter.end();
    // Item "Auto": four 10-pixel swatches from 5 px, pure yellow third.
    const QImage image = items.toImage();
    EXPECT_EQ(image.pixelColor(10, 12), QColor("#009ADA"));
    EXPECT_EQ(image.pixelColor(20, 12), QColor("#D8217E"));
    EXPECT_EQ(image.pixelColor(30, 12), QColor("#FFFF00"));
    EXPECT_EQ(image.pixelColor(40, 12), QColor("#322F30"));
    EXPECT_EQ(image.pixelColor(25, 24 + 12), QColor("#009ADA"));  // "Cyan": one swatch over the area
    EXPECT_EQ(image.pixelColor(2, 12), QColor(Qt::white));
    if (!folder.isEmpty()) {
        EXPECT_TRUE(items.save(QDir(folder).filePath(QStringLiteral("densitometry-filter-items.png"))));
    }
}

}  // namespace

// What the pages hand to the measurement log: one name per accepted reading,
// nothing for a reading the page ignored.
TEST_F(DensitometryPagesTest, AcceptedReadingsAreHandedOverWithPageAndStepNames)
{
    using TMeasure = void (TDensitometryPages::*)();
    const struct {
        TMeasure Handler;
        const char* Patch;
        const char* Logged;  // nullptr: ignored by the page
    } steps[] = {
        {&TDensitometryPages::MeasureDensityPage, "cyan", "Density"},
        {&TDensitometryPages::MeasureDotGainPage, "magenta", "Dot Gain Solid"},
        {&TDensitometryPages::MeasureDotGainPage, "cyan-75", nullptr},  // another ink than the solid's
        {&TDensitometryPages::MeasureDotGainPage, "magenta-75", "Dot Gain 75%"},
        {&TDensitometryPages::MeasureDotAreaPage, "cyan", "Dot Area Solid"},
        {&TDensitometryPages::MeasureDotAreaPage, "cyan-50", "Dot Area Tint 1"},
        {&TDensitometryPages::MeasurePrintContrastPage, "black", "Print Contrast Solid"},
        {&TDensitometryPages::MeasurePrintContrastPage, "black-75", "Print Contrast 75%"},
        {&TDensitometryPages::MeasureTrappingPage, "paper", "Trapping Substrate"},
        {&TDensitometryPages::MeasureTrappingPage, "black", nullptr},  // black is passed over
        {&TDensitometryPages::MeasureTrappingPage, "cyan", "Trapping Second down"},
        {&TDensitometryPages::MeasureTrappingPage, "red", "Trapping Overprint"},
        {&TDensitometryPages::MeasureTrappingPage, "paper", "Trapping Substrate"},
        {&TDensitometryPages::MeasureTrappingPage, "magenta", "Trapping First down"},
        {&TDensitometryPages::MeasureTrappingPage, "magenta", nullptr},  // the first one's ink is passed over
        {&TDensitometryPages::MeasureHueErrorPage, "cyan", "Hue error Cyan"},
        {&TDensitometryPages::MeasureGraynessPage, "cyan", "Grayness Cyan"},
        {&TDensitometryPages::MeasureGraynessPage, "magenta", "Grayness Magenta"},
    };
    for (const auto& s : steps) {
        Place(s.Patch);
        const std::size_t before = Host.Accepted.size();
        (Group.get()->*s.Handler)();
        if (!s.Logged) {
            EXPECT_EQ(Host.Accepted.size(), before) << s.Patch;
            continue;
        }
        ASSERT_EQ(Host.Accepted.size(), before + 1) << s.Logged;
        const TAcceptedReading& r = Host.Accepted.back();
        EXPECT_EQ(r.Name, s.Logged);
        ASSERT_TRUE(r.Densities.has_value()) << s.Logged;
        EXPECT_GE(r.Channel, 0);
        EXPECT_LT(r.Channel, 4);
        EXPECT_FALSE(r.Spectrum.has_value());  // the host reads it for the row
    }

    // Densities diff: reference and compared side; no sample: nothing.
    Find<QPushButton>("MeasDRefBtn")->click();
    Place("cyan");
    Group->MeasureDensityDiffPage();
    EXPECT_EQ(Host.Accepted.back().Name, "Densities diff Reference");
    Group->MeasureDensityDiffPage();
    EXPECT_EQ(Host.Accepted.back().Name, "Densities diff Measure");
    const std::size_t count = Host.Accepted.size();
    Sim->SetSampleCount(0);
    Group->MeasureDensityPage();
    EXPECT_EQ(Host.Accepted.size(), count);
}
