// The main window's view: every object name, the fixed geometry at 96 dpi,
// fonts, list items and ranges, the first state, and retranslation.
#include "MainWindowView.h"
#include "PageControl.h"
#include "ScrollText.h"
#include "StatusPanels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QTranslator>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct TViewFixture : ::testing::Test {
    QWidget Form;
    TMainWindowView View;
    void SetUp() override
    {
        Form.setObjectName("MainForm");
        BuildMainWindowView(&Form, View);
    }
    template <typename T>
    T* Find(const char* name)
    {
        return Form.findChild<T*>(QString::fromLatin1(name));
    }
    // Geometry relative to the widget's parent.
    QRect Geometry(const char* name)
    {
        QWidget* w = Find<QWidget>(name);
        return w ? w->geometry() : QRect();
    }
    void ShowStarted()
    {
        View.CaptionPanel->show();
        View.LogoD->show();
        View.Notebook->setCurrentIndex(NotebookColorMeasurement);
        Form.show();
        QCoreApplication::processEvents();
    }
};

// Reverses nothing but marks every text, so a retranslation is visible.
class TMarkingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (QByteArray(context) != "TMainForm" || QByteArray(source).trimmed().isEmpty())
            return {};
        return QStringLiteral("<%1>").arg(QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};

} // namespace

TEST_F(TViewFixture, EveryNamedWidgetExistsWithItsType)
{
    struct TNamed {
        const char* Name;
        const QObject* Member;
        const char* Class;
    };
    const TNamed names[] = {
        {"CaptionPanel", View.CaptionPanel, "QWidget"},  {"Image1", View.Image1, "QLabel"},
        {"TitleL", View.TitleL, "QLabel"},               {"LogoD", View.LogoD, "QLabel"},
        {"Notebook", View.Notebook, "QStackedWidget"},   {"PGC1", View.PGC1, "TPageControl"},
        {"TabSheet1", View.TabSheet1, "QWidget"},        {"TabSheet2", View.TabSheet2, "QWidget"},
        {"TabSheet5", View.TabSheet5, "QWidget"},        {"TabSheet3", View.TabSheet3, "QWidget"},
        {"PGC0", View.PGC0, "TPageControl"},             {"PGC2", View.PGC2, "TPageControl"},
        {"PGC4", View.PGC4, "TPageControl"},             {"CalibBtn", View.CalibBtn, "QToolButton"},
        {"PaperMeasBtn", View.PaperMeasBtn, "QToolButton"}, {"DelBtn", View.DelBtn, "QToolButton"},
        {"Dummy", View.Dummy, "QPushButton"},            {"StatusBar", View.StatusBar, "TStatusPanels"},
        {"Button1", View.Button1, "QPushButton"},        {"Button2", View.Button2, "QPushButton"},
        {"ComboBox1", View.ComboBox1, "QComboBox"},      {"MemoI1", View.MemoI1, "QPlainTextEdit"},
        {"DecimalsED", View.DecimalsED, "QSpinBox"},     {"DGed1", View.DGed1, "QSpinBox"},
        {"DGed2", View.DGed2, "QSpinBox"},               {"DGed3", View.DGed3, "QSpinBox"},
        {"DGCEd1", View.DGCEd1, "QSpinBox"},             {"DGCEd2", View.DGCEd2, "QSpinBox"},
        {"DGCEd3", View.DGCEd3, "QSpinBox"},             {"Ked1", View.Ked1, "QSpinBox"},
        {"DGvCB1", View.DGvCB1, "QCheckBox"},            {"DGvCB2", View.DGvCB2, "QCheckBox"},
        {"DGvCB3", View.DGvCB3, "QCheckBox"},            {"CBR", View.CBR, "QComboBox"},
        {"CBS", View.CBS, "QComboBox"},                  {"SpColCB", View.SpColCB, "QComboBox"},
        {"IllCB", View.IllCB, "QComboBox"},              {"ObsCB", View.ObsCB, "QComboBox"},
        {"ProgNameL", View.ProgNameL, "QLabel"},         {"VersL", View.VersL, "QLabel"},
        {"VerL", View.VerL, "QLabel"},                   {"ScrollText", View.ScrollText, "TScrollText"},
        {"Image2", View.Image2, "QLabel"},               {"Image3", View.Image3, "QLabel"},
    };
    for (const TNamed& n : names) {
        ASSERT_NE(n.Member, nullptr) << n.Name;
        EXPECT_EQ(n.Member->objectName(), QString::fromLatin1(n.Name));
        EXPECT_TRUE(n.Member->inherits(n.Class)) << n.Name;
        EXPECT_EQ(Find<QObject>(n.Name), n.Member) << n.Name << " is not unique";
    }
    for (QWidget* page : View.DensitometryPages)
        ASSERT_NE(page, nullptr);
    for (QWidget* page : View.SpectroPages)
        ASSERT_NE(page, nullptr);
    for (QWidget* page : View.SetupPages)
        ASSERT_NE(page, nullptr);
    EXPECT_EQ(View.Form, &Form);
}

TEST_F(TViewFixture, FrameHasItsFixedSizes)
{
    EXPECT_EQ(Form.size(), QSize(600, 560));
    EXPECT_EQ(Form.minimumSize(), QSize(600, 560));
    EXPECT_EQ(Form.maximumSize(), QSize(600, 560));
    EXPECT_TRUE(Form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(Form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(Form.windowFlags() & Qt::WindowMinimizeButtonHint);
    ShowStarted();
    EXPECT_EQ(View.CaptionPanel->geometry(), QRect(2, 2, 596, 46));
    EXPECT_EQ(View.Notebook->geometry(), QRect(2, 48, 596, 440));
    EXPECT_EQ(View.ButtonBar->geometry(), QRect(2, 488, 596, 51));
    EXPECT_EQ(View.StatusBar->geometry(), QRect(0, 541, 600, 19));
    EXPECT_EQ(View.Dummy->x(), -105);
    EXPECT_LE(View.Dummy->geometry().right(), 0);
}

TEST_F(TViewFixture, ControlsSitAtTheirPixelPositions)
{
    struct TPlace {
        const char* Name;
        QRect Expected; // width or height -1: not checked
    };
    const TPlace places[] = {
        {"Image1", {3, 1, 590, 45}},      {"TitleL", {112, 15, -1, -1}},     {"LogoD", {460, 4, 130, 40}},
        {"CalibBtn", {5, 6, 100, 36}},    {"PaperMeasBtn", {109, 6, 100, 36}}, {"DelBtn", {489, 7, 100, 36}},
        {"MainSetupTitleL", {6, 5, -1, -1}}, {"Button1", {37, 50, 114, 43}}, {"UserInterfaceL", {387, 54, -1, -1}},
        {"ComboBox1", {386, 72, 145, -1}}, {"Button2", {37, 124, 75, 25}},    {"MemoI1", {37, 153, 494, 201}},
        {"DensitySetupTitleL", {6, 5, -1, -1}}, {"DecimalsGB", {45, 36, 288, 51}},
        {"DotGainGB", {45, 104, 220, 145}}, {"DotGainCurveGB", {276, 104, 270, 145}},
        {"ContrastGB", {45, 264, 220, 95}}, {"DensityGB", {276, 264, 270, 95}}, {"CBR", {-1, -1, 114, -1}},
        {"CBS", {-1, -1, 114, -1}},       {"SpectroSetupTitleL", {14, 5, -1, -1}}, {"SpectroGB", {39, 64, 275, 139}},
        {"Image3", {14, -4, 596, 440}},   {"ProgNameL", {408, 7, 168, -1}},  {"VersL", {408, 23, 168, -1}},
        {"ScrollText", {287, 157, 285, 162}}, {"Image2", {6, 0, 596, 440}},
    };
    for (const TPlace& p : places) {
        const QRect g = Geometry(p.Name);
        ASSERT_FALSE(g.isNull()) << p.Name;
        if (p.Expected.x() >= 0 || p.Expected.y() >= 0) {
            EXPECT_EQ(g.topLeft(), p.Expected.topLeft()) << p.Name;
        }
        if (p.Expected.width() > 0) {
            EXPECT_EQ(g.width(), p.Expected.width()) << p.Name;
        }
        if (p.Expected.height() > 0) {
            EXPECT_EQ(g.height(), p.Expected.height()) << p.Name;
        }
    }
    // Right-aligned labels: the About notice starts at 443, the Info notice and
    // VerL end at 254.
    EXPECT_EQ(View.AboutNoticeL->x(), 443);
    EXPECT_EQ(View.InfoNoticeL->geometry().right() + 1, 254);
    EXPECT_EQ(View.InfoNoticeL->y(), 273);
    EXPECT_EQ(View.VerL->geometry().right() + 1, 86 + 168);
    EXPECT_EQ(View.VerL->y(), 250);
    for (QLabel* l : {View.ProgNameL, View.VersL, View.VerL, View.AboutNoticeL, View.InfoNoticeL})
        EXPECT_TRUE(l->alignment() & Qt::AlignRight) << l->objectName().toStdString();
}

TEST_F(TViewFixture, FontsAndColours)
{
    EXPECT_EQ(View.TitleL->font().pixelSize(), 13);
    EXPECT_TRUE(View.TitleL->font().bold());
    EXPECT_EQ(View.TitleL->palette().color(QPalette::WindowText), QColor(0x00, 0x83, 0xD5));
    EXPECT_EQ(View.VerL->palette().color(QPalette::WindowText), QColor(0xE4, 0x14, 0x1A));
    EXPECT_TRUE(View.VerL->font().bold());
    EXPECT_EQ(View.ProgNameL->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(View.AboutNoticeL->palette().color(QPalette::WindowText), QColor(0x5C, 0x5C, 0x5C));
    EXPECT_EQ(View.DGvCB1->palette().color(QPalette::WindowText), QColor(0x00, 0x00, 0x80));
    EXPECT_EQ(View.DGCL2->palette().color(QPalette::WindowText), QColor(0x00, 0x00, 0x80));
    auto* title = Find<QLabel>("MainSetupTitleL");
    EXPECT_EQ(title->font().pixelSize(), 16);
    EXPECT_TRUE(title->font().bold());
    EXPECT_EQ(View.MemoI1->font().pixelSize(), 12);
    EXPECT_TRUE(QFontInfo(View.MemoI1->font()).fixedPitch());
    EXPECT_TRUE(View.MemoI1->isReadOnly());
    EXPECT_EQ(View.MemoI1->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(View.CaptionPanel->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(View.CalibBtn->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    EXPECT_TRUE(View.CalibBtn->autoRaise());
    EXPECT_FALSE(View.CalibBtn->icon().isNull());
}

TEST_F(TViewFixture, PageControlsAndCaptions)
{
    ASSERT_EQ(View.PGC1->Count(), 4);
    EXPECT_EQ(View.PGC1->Style(), TTabStyle::FlatButtonsTop);
    EXPECT_EQ(View.PGC1->Page(0), View.TabSheet1);
    EXPECT_EQ(View.PGC1->Page(1), View.TabSheet2);
    EXPECT_EQ(View.PGC1->Page(2), View.TabSheet5);
    EXPECT_EQ(View.PGC1->Page(3), View.TabSheet3);
    const int tags[] = {0, 1, 2, 0};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(View.PGC1->Tag(i), tags[i]);
    EXPECT_EQ(View.PGC1->Caption(2), "Setup");
    EXPECT_EQ(View.PGC1->Caption(3), "About");
    EXPECT_FALSE(View.PGC1->Caption(0).isEmpty());
    EXPECT_FALSE(View.PGC1->Caption(1).isEmpty());
    EXPECT_TRUE(View.TabSheet1->isAncestorOf(View.PGC0));
    EXPECT_TRUE(View.TabSheet2->isAncestorOf(View.PGC2));
    EXPECT_TRUE(View.TabSheet5->isAncestorOf(View.PGC4));

    const QStringList densitometry{"Density",        "All densities", "Densities diff", "Dot Gain",
                                   "Print curve",    "Dot Gain curve", "Dot Area",      "Print Contrast",
                                   "Trapping",       "Hue error",     "Grayness"};
    ASSERT_EQ(View.PGC0->Count(), 11);
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(View.PGC0->Caption(i), densitometry[i]);
        EXPECT_EQ(View.PGC0->Page(i), View.DensitometryPages[i]);
        EXPECT_TRUE(View.DensitometryPages[i]->children().isEmpty()) << "left for the page group";
    }
    const QStringList spectro{"Colorimetry", "Reflectance", "delta L-a-b", "CieLab", "ICC conversion", "Visual match"};
    ASSERT_EQ(View.PGC2->Count(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(View.PGC2->Caption(i), spectro[i]);
        EXPECT_EQ(View.PGC2->Page(i), View.SpectroPages[i]);
    }
    ASSERT_EQ(View.PGC4->Count(), 3);
    EXPECT_EQ(View.PGC4->Caption(0), "Main setup");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(View.PGC4->Page(i), View.SetupPages[i]);
    EXPECT_TRUE(View.SetupPages[0]->isAncestorOf(View.Button1));
    EXPECT_TRUE(View.SetupPages[1]->isAncestorOf(View.CBS));
    EXPECT_TRUE(View.SetupPages[2]->isAncestorOf(View.ObsCB));
    EXPECT_TRUE(View.TabSheet3->isAncestorOf(View.ScrollText));
    EXPECT_TRUE(View.Notebook->widget(NotebookColorMeasurement)->isAncestorOf(View.PGC1));
    EXPECT_TRUE(View.Notebook->widget(NotebookInfo)->isAncestorOf(View.VerL));
}

TEST_F(TViewFixture, DensitometryPagesWrapIntoRowsInTheWindow)
{
    ShowStarted();
    View.PGC1->SetCurrentIndex(0);
    QCoreApplication::processEvents();
    EXPECT_GE(View.PGC0->RowCount(), 2);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(View.PGC0->TabAt(View.PGC0->TabRect(i).center()), i);
    // Room left for the pages.
    EXPECT_GE(View.DensitometryPages[0]->height(), 340);
    EXPECT_GE(View.DensitometryPages[0]->width(), 580);
}

TEST_F(TViewFixture, FirstStateBeforeStartUp)
{
    EXPECT_TRUE(View.CaptionPanel->isHidden());
    EXPECT_TRUE(View.LogoD->isHidden());
    EXPECT_EQ(View.Notebook->currentIndex(), NotebookInfo);
    EXPECT_FALSE(View.CalibBtn->isHidden());
    EXPECT_FALSE(View.PaperMeasBtn->isHidden());
    EXPECT_FALSE(View.ScrollText->IsRunning());
}

TEST_F(TViewFixture, ListItemsAndRanges)
{
    const QStringList skins{"Skin engine off", "skin 1", "skin 2", "skin 3", "skin 4", "skin 5"};
    const QStringList reference{"Absolute", "Paper white"};
    const QStringList filters{"DIN", "DIN NB", "ANSI A", "ANSI T", "SPI"};
    const QStringList spaces{"CIELAB", "CIELab94", "CMC(1:1)", "CMC(2:1)", "CIELuv", "CIEXYZ", "CIExyY", "LABmg", "CIEDE2000"};
    const QStringList illuminants{"A", "C", "D50", "D65", "F11"};
    const QStringList observers{QString::fromUtf8("2\u00B0"), QString::fromUtf8("10\u00B0")};
    auto items = [](QComboBox* c) {
        QStringList l;
        for (int i = 0; i < c->count(); ++i)
            l << c->itemText(i);
        return l;
    };
    EXPECT_EQ(items(View.ComboBox1), skins);
    EXPECT_EQ(items(View.CBR), reference);
    EXPECT_EQ(items(View.CBS), filters);
    EXPECT_EQ(items(View.SpColCB), spaces);
    EXPECT_EQ(items(View.IllCB), illuminants);
    EXPECT_EQ(items(View.ObsCB), observers);
    EXPECT_EQ(View.ObsCB->itemText(0).at(1).unicode(), 0x00B0);
    EXPECT_EQ(View.SpColCB->maxVisibleItems(), 10);
    EXPECT_EQ(View.ComboBox1->itemData(1, Qt::ToolTipRole).toString(), "Graphite");
    EXPECT_FALSE(View.ComboBox1->itemData(0, Qt::ToolTipRole).isValid());
    for (QComboBox* c : {View.ComboBox1, View.CBR, View.CBS, View.SpColCB, View.IllCB, View.ObsCB})
        EXPECT_FALSE(c->isEditable());

    EXPECT_EQ(View.DecimalsED->minimum(), 1);
    EXPECT_EQ(View.DecimalsED->maximum(), 4);
    for (QSpinBox* s : {View.DGed1, View.DGed2, View.DGed3, View.DGCEd1, View.DGCEd2, View.DGCEd3, View.Ked1}) {
        EXPECT_EQ(s->minimum(), 1) << s->objectName().toStdString();
        EXPECT_EQ(s->maximum(), 99) << s->objectName().toStdString();
    }
    EXPECT_EQ(View.DGvCB1->text(), "DOT % 1");
    EXPECT_EQ(View.DGvCB3->text(), "DOT % 3");
    EXPECT_EQ(View.DGCL1->text(), "DOT Value 1");
    EXPECT_EQ(Find<QGroupBox>("DecimalsGB")->title(), " Decimals ");
    EXPECT_EQ(Find<QGroupBox>("DensityGB")->title(), "Density");
    EXPECT_EQ(View.Button1->text(), "Language");
    EXPECT_EQ(View.Button2->text(), "I1 info");
    EXPECT_EQ(View.CalibBtn->text(), "Calibrate");
    EXPECT_EQ(View.PaperMeasBtn->text(), "Paper");
    EXPECT_EQ(View.DelBtn->text(), "Exit");
}

TEST_F(TViewFixture, RetranslationChangesCaptionsAndKeepsChoices)
{
    View.CBR->setCurrentIndex(1);
    View.SpColCB->setCurrentIndex(5);
    View.ComboBox1->setCurrentIndex(3);
    View.PGC0->SetCurrentIndex(4);
    View.TitleL->setText("Kelvora demo");
    QSignalSpy cbr(View.CBR, &QComboBox::currentIndexChanged);
    QSignalSpy skin(View.ComboBox1, &QComboBox::currentIndexChanged);
    QSignalSpy page(View.PGC0, &TPageControl::CurrentChanged);

    auto translator = std::make_unique<TMarkingTranslator>();
    QCoreApplication::installTranslator(translator.get());
    RetranslateMainWindowView(View);
    EXPECT_EQ(View.Button1->text(), "<Language>");
    EXPECT_EQ(View.CalibBtn->text(), "<Calibrate>");
    EXPECT_EQ(View.PGC0->Caption(0), "<Density>");
    EXPECT_EQ(View.PGC2->Caption(5), "<Visual match>");
    EXPECT_EQ(View.PGC4->Caption(0), "<Main setup>");
    EXPECT_EQ(View.PGC1->Caption(3), "<About>");
    EXPECT_EQ(View.CBR->itemText(1), "<Paper white>");
    EXPECT_EQ(Find<QGroupBox>("DotGainGB")->title(), "< Calculate DOT Gain on >");
    EXPECT_EQ(View.ScrollText->Text().left(8), "<Kelvora");
    EXPECT_EQ(View.TitleL->text(), "Kelvora demo") << "the main window's own text stays";
    EXPECT_EQ(View.CBR->currentIndex(), 1);
    EXPECT_EQ(View.SpColCB->currentIndex(), 5);
    EXPECT_EQ(View.ComboBox1->currentIndex(), 3);
    EXPECT_EQ(View.PGC0->CurrentIndex(), 4);
    EXPECT_EQ(cbr.count(), 0);
    EXPECT_EQ(skin.count(), 0);
    EXPECT_EQ(page.count(), 0);

    QCoreApplication::removeTranslator(translator.get());
    RetranslateMainWindowView(View);
    EXPECT_EQ(View.Button1->text(), "Language");
    EXPECT_EQ(View.PGC0->Caption(0), "Density");
}

TEST_F(TViewFixture, LongerTranslatedNoticeGrowsToTheLeft)
{
    auto translator = std::make_unique<TMarkingTranslator>();
    QCoreApplication::installTranslator(translator.get());
    RetranslateMainWindowView(View);
    QCoreApplication::removeTranslator(translator.get());
    EXPECT_EQ(View.InfoNoticeL->geometry().right() + 1, 254);
    EXPECT_EQ(View.AboutNoticeL->geometry().right() + 1, 443 + 133);
    EXPECT_GE(View.AboutNoticeL->width(), View.AboutNoticeL->fontMetrics().horizontalAdvance(View.AboutNoticeL->text()));
}

TEST_F(TViewFixture, RetranslateOnAnEmptyViewDoesNothing)
{
    TMainWindowView empty;
    RetranslateMainWindowView(empty); // must not crash
    SUCCEED();
}

TEST(MainWindowViewTexts, VersionLineAndMaker)
{
    EXPECT_EQ(MakerName(), "Kelvora Colour Systems");
    EXPECT_TRUE(VersionLine("1.0.0").contains("1.0.0"));
    EXPECT_TRUE(VersionLine("1.0.0").contains(MakerName()));
    EXPECT_TRUE(MakerNotice().contains("Kelvora"));
    EXPECT_TRUE(AboutPresentation().contains("Kelvora Colour Systems"));
}
