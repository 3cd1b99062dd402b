// The skins: each is a palette plus a style sheet built from one template, on
// top of the Fusion style, so every skin styles the same widgets the same way
// and only the colours differ. Fonts and sizes are never touched: the window's
// pixel layout is the same in every skin. All skins are light, so the owner-
// drawn tabs (black and navy captions on the control's fill colour) and the
// measurement pages keep their contrast.
#include "Skins.h"

#include "Fonts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>
#include <array>

namespace {

struct TSkin {
    const char* Name;          // display name (translatable)
    const char* Window;        // window and tab fill
    const char* Text;
    const char* Base;          // fields
    const char* Button;
    const char* ButtonTop;     // button gradient
    const char* ButtonBottom;
    const char* Hover;         // flat buttons under the mouse
    const char* Pressed;
    const char* Border;
    const char* Accent;        // focus, selection, group titles
    const char* AccentText;
    const char* Light;         // bevel highlight
    const char* Dark;          // bevel shadow
    const char* StatusBack;
    const char* StatusText;
    const char* TileGround;
    const char* TileDot;
    int BorderWidth;
};

const TSkin Plain{
    "", "#eeeeee", "#000000", "#ffffff", "#eeeeee", "", "", "", "", "#a0a0a0", "#0078d7", "#ffffff",
    "#ffffff", "#a0a0a0", "", "", "#f3f4f6", "#e3e6ea", 1};

const std::array<TSkin, 5> Skins{{
    {QT_TRANSLATE_NOOP("TSkins", "Graphite"), "#e2e5e9", "#1e252d", "#ffffff", "#edeff2", "#f7f8fa", "#e1e5ea",
     "#d3d9e0", "#c5ccd5", "#98a2ad", "#3c4a59", "#ffffff", "#ffffff", "#8a95a1", "#3c4a59", "#ffffff", "#eceef1",
     "#dde1e6", 1},
    {QT_TRANSLATE_NOOP("TSkins", "Ocean"), "#e3edf5", "#0f2a3d", "#ffffff", "#f2f7fb", "#fbfdff", "#e2edf6",
     "#cfe3f2", "#b8d5ea", "#8fb3cc", "#0083d5", "#ffffff", "#ffffff", "#7fa4be", "#0b5e96", "#ffffff", "#eef5fa",
     "#d9e8f3", 1},
    {QT_TRANSLATE_NOOP("TSkins", "Press room"), "#ebe5d9", "#2b2520", "#fffdf8", "#f6f2ea", "#fcfaf5", "#ebe3d4",
     "#e0d6c3", "#d4c7af", "#b3a58c", "#a23b2a", "#ffffff", "#fffdf8", "#a8997f", "#4a3f35", "#f6f0e4", "#f4efe6",
     "#e6dccb", 1},
    {QT_TRANSLATE_NOOP("TSkins", "Daylight"), "#f7f7f5", "#202020", "#ffffff", "#ffffff", "#ffffff", "#f1f1ee",
     "#fff1d9", "#ffe2b0", "#c8c8c4", "#d97f00", "#ffffff", "#ffffff", "#b8b8b2", "#fdfdfc", "#303030", "#fcfcfb",
     "#eeeeea", 1},
    {QT_TRANSLATE_NOOP("TSkins", "Proof"), "#ffffff", "#000000", "#ffffff", "#ffffff", "#ffffff", "#ffffff",
     "#ffff66", "#ffd400", "#000000", "#0000c0", "#ffffff", "#ffffff", "#000000", "#000000", "#ffffff", "#ffffff",
     "#ffffff", 2},
}};

int Current = 0;

// Colours the tab rules and the custom-painted pieces read; the plain look
// needs them too, to undo a skin.
QString CustomWidgetRules(const TSkin& s)
{
    QString sheet = QStringLiteral(
        "TPageControl { qproperty-tabFill: @window@; qproperty-tabFrame: @dark@; qproperty-tabLight: @light@; }\n"
        "TTiledPage { qproperty-tileGround: @tileGround@; qproperty-tileDot: @tileDot@; }\n"
        "TStatusPanels { qproperty-bevelDark: @dark@; qproperty-bevelLight: @light@; }\n");
    if (*s.StatusBack)
        sheet += QStringLiteral("TStatusPanels { background-color: @statusBack@; color: @statusText@; }\n");
    return sheet;
}

const char* const Template = R"(
QToolTip { color: @text@; background-color: @base@; border: 1px solid @border@; padding: 2px; }
QPushButton {
    color: @text@; border: @bw@px solid @border@; border-radius: 3px; padding: 2px 8px;
    background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @buttonTop@, stop:1 @buttonBottom@);
}
QPushButton:hover { border-color: @accent@; }
QPushButton:pressed { background-color: @pressed@; }
QPushButton:focus { border-color: @accent@; }
QToolButton { color: @text@; border: @bw@px solid transparent; border-radius: 4px; padding: 1px 3px; background: transparent; }
QToolButton:hover { background-color: @hover@; border-color: @border@; }
QToolButton:pressed { background-color: @pressed@; border-color: @accent@; }
QComboBox { combobox-popup: 0; }
QComboBox QAbstractItemView {
    color: @text@; background-color: @base@; border: 1px solid @border@;
    selection-background-color: @accent@; selection-color: @accentText@; outline: 0;
}
QPlainTextEdit {
    color: @text@; background-color: @base@; border: @bw@px solid @border@; border-radius: 2px;
    selection-background-color: @accent@; selection-color: @accentText@;
}
QGroupBox {
    border: @bw@px solid @border@; border-radius: 4px; margin-top: 7px; padding-top: 2px;
    background-color: rgba(255, 255, 255, 90);
}
QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 8px; padding: 0px 2px; color: @accent@; }
QScrollBar:vertical, QScrollBar:horizontal { background: @window@; }
)";

QString Fill(QString sheet, const TSkin& s)
{
    const std::pair<const char*, const char*> tokens[] = {
        {"@window@", s.Window},       {"@text@", s.Text},           {"@base@", s.Base},
        {"@button@", s.Button},       {"@buttonTop@", s.ButtonTop}, {"@buttonBottom@", s.ButtonBottom},
        {"@hover@", s.Hover},         {"@pressed@", s.Pressed},     {"@border@", s.Border},
        {"@accent@", s.Accent},       {"@accentText@", s.AccentText}, {"@light@", s.Light},
        {"@dark@", s.Dark},           {"@statusBack@", s.StatusBack}, {"@statusText@", s.StatusText},
        {"@tileGround@", s.TileGround}, {"@tileDot@", s.TileDot},
    };
    for (const auto& [token, value] : tokens)
        sheet.replace(QLatin1String(token), QLatin1String(value));
    sheet.replace(QLatin1String("@bw@"), QString::number(s.BorderWidth));
    return sheet;
}

QPalette PaletteOf(const TSkin& s)
{
    QPalette p = QApplication::style() ? QApplication::style()->standardPalette() : QPalette();
    const QColor window(QLatin1String(s.Window));
    const QColor text(QLatin1String(s.Text));
    const QColor base(QLatin1String(s.Base));
    const QColor button(QLatin1String(s.Button));
    const QColor accent(QLatin1String(s.Accent));
    const QColor light(QLatin1String(s.Light));
    const QColor dark(QLatin1String(s.Dark));
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Window, window);
        p.setColor(group, QPalette::WindowText, text);
        p.setColor(group, QPalette::Base, base);
        p.setColor(group, QPalette::AlternateBase, window.lighter(103));
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::Button, button);
        p.setColor(group, QPalette::ButtonText, text);
        p.setColor(group, QPalette::Highlight, accent);
        p.setColor(group, QPalette::HighlightedText, QColor(QLatin1String(s.AccentText)));
        p.setColor(group, QPalette::Light, light);
        p.setColor(group, QPalette::Midlight, window.lighter(104));
        p.setColor(group, QPalette::Mid, dark);
        p.setColor(group, QPalette::Dark, dark.darker(120));
        p.setColor(group, QPalette::Shadow, dark.darker(160));
        p.setColor(group, QPalette::ToolTipBase, base);
        p.setColor(group, QPalette::ToolTipText, text);
    }
    p.setColor(QPalette::Disabled, QPalette::Window, window);
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    p.setColor(QPalette::Disabled, QPalette::Button, button);
    return p;
}

} // namespace

int SkinCount()
{
    return static_cast<int>(Skins.size());
}

QStringList SkinNames()
{
    QStringList names;
    for (const TSkin& s : Skins)
        names << QCoreApplication::translate("TSkins", s.Name);
    return names;
}

QString SkinStyleSheet(int skinIndex)
{
    if (skinIndex < 1 || skinIndex > SkinCount())
        return {};
    const TSkin& s = Skins[skinIndex - 1];
    return Fill(QString::fromLatin1(Template) + CustomWidgetRules(s), s);
}

int CurrentSkin()
{
    return Current;
}

void ApplySkin(int skinIndex)
{
    if (!qApp)
        return;
    if (skinIndex < 0 || skinIndex > SkinCount())
        skinIndex = 0;
    // One base style everywhere, so the fixed layout measures the same on every
    // platform. Set once: with a style sheet in place the application's style
    // is the sheet's wrapper, whose name says nothing about the base style.
    static bool fusionSet = false;
    if (!fusionSet) {
        if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
            QApplication::setStyle(fusion);
        fusionSet = true;
    }
    const TSkin& s = skinIndex == 0 ? Plain : Skins[skinIndex - 1];
    // Changing the application's style sheet makes Qt hand the application font
    // to widgets that inherited theirs from the window; with the program's
    // default face as the application font they keep the same text size.
    QApplication::setFont(DefaultFont());
    QApplication::setPalette(PaletteOf(s));
    // The plain look keeps only the rules that give the custom-painted pieces
    // their colours, so that a skin chosen before leaves nothing behind.
    qApp->setStyleSheet(skinIndex == 0 ? Fill(CustomWidgetRules(s), s) : SkinStyleSheet(skinIndex));
    Current = skinIndex;
}
