// SaveScreenshots: walks the notebook and the page controls, makes each page
// current in turn and grabs the whole window.
#include "Screenshots.h"

#include "PageControl.h"
#include "ScrollText.h"
#include "Skins.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QWidget>
#include <functional>

namespace {

QString FilePart(QString text)
{
    text.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"));
    while (text.startsWith(QLatin1Char('-')))
        text.remove(0, 1);
    while (text.endsWith(QLatin1Char('-')))
        text.chop(1);
    return text.isEmpty() ? QStringLiteral("page") : text;
}

// The page controls inside `page` whose nearest page-control ancestor is `owner`.
QList<TPageControl*> ChildControls(QWidget* page, TPageControl* owner)
{
    QList<TPageControl*> result;
    for (TPageControl* control : page->findChildren<TPageControl*>()) {
        QWidget* up = control->parentWidget();
        while (up && !qobject_cast<TPageControl*>(up))
            up = up->parentWidget();
        if (up == owner)
            result << control;
    }
    return result;
}

struct TShooter {
    QWidget* Window;
    QDir Folder;
    QString Prefix;
    QStringList Written;
    int Counter = 0;

    void Shoot(const QString& name)
    {
        const QString path =
            Folder.filePath(QStringLiteral("%1%2-%3.png").arg(Prefix).arg(++Counter, 2, 10, QLatin1Char('0')).arg(name));
        if (SaveWindowPicture(Window, path))
            Written << path;
    }

    void Visit(TPageControl* control, const QString& name)
    {
        for (int i = 0; i < control->Count(); ++i) {
            control->SetCurrentIndex(i);
            // Object names, so the file names do not change with the language.
            const QString pageName = name + QLatin1Char('-') + FilePart(control->Page(i)->objectName().isEmpty()
                                                                          ? control->Caption(i)
                                                                          : control->Page(i)->objectName());
            const QList<TPageControl*> inner = ChildControls(control->Page(i), control);
            if (inner.isEmpty())
                Shoot(pageName);
            for (TPageControl* child : inner)
                Visit(child, pageName);
        }
    }
};

struct TSavedControl {
    TPageControl* Control;
    int Current;
    QVector<bool> Visible;
};

} // namespace

bool SaveWindowPicture(QWidget* window, const QString& path)
{
    if (!window)
        return false;
    // A scrolling text that has just been restarted shows nothing yet; for
    // the picture it stands where its first lines can be read.
    QList<QPair<TScrollText*, int>> scrolled;
    for (TScrollText* text : window->findChildren<TScrollText*>())
        if (text->isVisible()) {
            scrolled << qMakePair(text, text->Step());
            const double travel = text->height() + text->TextHeight();
            text->SetStep(static_cast<int>(text->Steps() * 0.85 * text->height() / travel));
        }
    QApplication::processEvents();
    const bool saved = window->grab().save(path, "PNG");
    for (const auto& [text, step] : scrolled)
        text->SetStep(step);
    return saved;
}

QStringList SaveScreenshots(QWidget* window, const QString& folder, const TScreenshotOptions& options)
{
    if (!window || !QDir().mkpath(folder))
        return {};

    // What is put back afterwards.
    QList<TSavedControl> saved;
    const QList<TPageControl*> controls = window->findChildren<TPageControl*>();
    for (TPageControl* control : controls) {
        TSavedControl s{control, control->CurrentIndex(), {}};
        for (int i = 0; i < control->Count(); ++i)
            s.Visible << control->IsTabVisible(i);
        saved << s;
    }
    auto* notebook = window->findChild<QStackedWidget*>(QStringLiteral("Notebook"));
    const int notebookIndex = notebook ? notebook->currentIndex() : -1;
    QList<QPair<QWidget*, bool>> shown;
    const int skin = CurrentSkin();
    const bool wasVisible = window->isVisible();
    if (!wasVisible)
        window->show();

    if (options.ShowStartedState) {
        for (const char* name : {"CaptionPanel", "LogoD"})
            if (auto* w = window->findChild<QWidget*>(QString::fromLatin1(name))) {
                shown << qMakePair(w, !w->isHidden());
                w->show();
            }
        for (TPageControl* control : controls)
            for (int i = 0; i < control->Count(); ++i)
                control->SetTabVisible(i, true);
    }

    // Top-level page controls: those with no page control above them.
    QList<TPageControl*> roots;
    for (TPageControl* control : controls) {
        QWidget* up = control->parentWidget();
        while (up && up != window && !qobject_cast<TPageControl*>(up))
            up = up->parentWidget();
        if (!qobject_cast<TPageControl*>(up))
            roots << control;
    }

    TShooter shooter{window, QDir(folder), {}, {}};
    const QList<int> skins = options.AllSkins ? QList<int>{0, 1, 2, 3, 4, 5} : QList<int>{-1};
    for (int s : skins) {
        if (s >= 0) {
            ApplySkin(s);
            shooter.Prefix = QStringLiteral("skin%1-").arg(s);
            shooter.Counter = 0;
        }
        if (notebook) {
            for (int page = notebook->count() - 1; page >= 0; --page) {
                notebook->setCurrentIndex(page);
                QWidget* current = notebook->currentWidget();
                bool hasControls = false;
                for (TPageControl* root : roots)
                    if (current->isAncestorOf(root)) {
                        hasControls = true;
                        shooter.Visit(root, FilePart(root->objectName()));
                    }
                if (!hasControls)
                    shooter.Shoot(FilePart(current->objectName()));
            }
        } else {
            for (TPageControl* root : roots)
                shooter.Visit(root, FilePart(root->objectName()));
            if (roots.isEmpty())
                shooter.Shoot(FilePart(window->objectName()));
        }
    }

    // Put everything back.
    if (options.AllSkins)
        ApplySkin(skin);
    for (const TSavedControl& s : saved) {
        for (int i = 0; i < s.Visible.size(); ++i)
            s.Control->SetTabVisible(i, s.Visible[i]);
        s.Control->SetCurrentIndex(s.Current);
    }
    for (const auto& [w, visible] : shown)
        w->setVisible(visible);
    if (notebook && notebookIndex >= 0)
        notebook->setCurrentIndex(notebookIndex);
    if (!wasVisible)
        window->hide();
    return shooter.Written;
}
