// In every language, every caption on every page of the main window has room
// for its text: a label, button, check box or group title cut short (as the
// German Trapping page once cut "Bedruckstoff" and "Farbannahme") fails here
// naming the page, the widget and the text.
#include "MainFormSupport.h"
#include "PageControl.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>

namespace {

// The texts shown on `page` (the page showing now) that do not fit.
QStringList CutShort(QWidget* page)
{
    QStringList faults;
    const auto add = [&faults](const QWidget* w, const QString& text, int need, int room) {
        if (need > room)
            faults << QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(w->objectName(), text).arg(need).arg(room);
    };
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty() || label->wordWrap()
            || label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text())
            || label->text().contains(QLatin1Char('\n')))
            continue;
        const int room = label->contentsRect().width() - 2 * label->margin() - qMax(0, label->indent());
        add(label, label->text(), label->fontMetrics().horizontalAdvance(label->text()), room);
    }
    for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || button->text().isEmpty())
            continue;
        const QString text = QString(button->text()).remove(QLatin1Char('&'));
        int need = button->fontMetrics().horizontalAdvance(text);
        if (auto* check = qobject_cast<QCheckBox*>(button)) {
            QStyleOptionButton option;
            option.initFrom(check);
            need += check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check).left();
        } else if (qobject_cast<QPushButton*>(button)) {
            need += 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
            if (!button->icon().isNull())
                need += button->iconSize().width() + 4;
        } else {
            continue;  // the tool buttons draw their text under the icon, sized by their own code
        }
        add(button, text, need, button->width());
    }
    for (QGroupBox* group : page->findChildren<QGroupBox*>()) {
        if (!group->isVisible() || group->title().isEmpty())
            continue;
        add(group, group->title(), group->fontMetrics().horizontalAdvance(group->title()) + 16, group->width());
    }
    return faults;
}

} // namespace

TEST_F(MainWindow, EveryCaptionOfEveryPageFitsInEveryLanguage)
{
    Create();
    Form->show();
    Form->TimerS->stop();  // the start-up sequence is not wanted here
    // Every page as the start-up leaves the window: both measuring tabs shown.
    Form->FinishStartup();
    for (const int language : {EnglishLanguageId, GermanLanguageId, ItalianLanguageId}) {
        ASSERT_TRUE(SwitchLanguage(language)) << language;
        for (TPageControl* control : Form->findChildren<TPageControl*>()) {
            for (int i = 0; i < control->Count(); ++i) {
                // Down from the top-level tab to this page.
                QList<QPair<TPageControl*, int>> path{{control, i}};
                for (QWidget* up = control->parentWidget(); up && up != Form.get(); up = up->parentWidget())
                    if (auto* outer = qobject_cast<TPageControl*>(up))
                        for (int k = 0; k < outer->Count(); ++k)
                            if (outer->Page(k)->isAncestorOf(path.first().first))
                                path.prepend({outer, k});
                for (const auto& [c, k] : path)
                    c->SetCurrentIndex(k);
                QApplication::processEvents();
                const QStringList faults = CutShort(control->Page(i));
                EXPECT_TRUE(faults.isEmpty()) << "language " << language << ", page "
                                              << control->Page(i)->objectName().toStdString() << ":\n  "
                                              << faults.join(QStringLiteral("\n  ")).toStdString();
            }
        }
    }
}
