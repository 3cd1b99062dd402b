// The tour of every page: clicking the tabs, waiting for presses, pictures.
#include "Tour.h"

#include "DialogWatch.h"
#include "MainForm.h"
#include "PageControl.h"
#include "Screenshots.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

QString CaptionOf(const QWidget* page)
{
    const QString caption = page->property("kvCaption").toString();
    return caption.isEmpty() ? page->objectName() : caption;
}

// The nearest page control above `widget` inside `window`, or none.
TPageControl* ControlAbove(QWidget* widget, QWidget* window)
{
    for (QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget())
        if (auto* control = qobject_cast<TPageControl*>(up))
            return control;
    return nullptr;
}

// A click on the tab, as the operator's mouse gives it. A tab that is not
// shown cannot be clicked: its page is made current as the program's own code does.
void ClickTab(TPageControl* control, int index)
{
    if (control->CurrentIndex() == index)
        return;
    const QRect tab = control->TabRect(index);
    if (tab.isEmpty()) {
        control->SetCurrentIndex(index);
        return;
    }
    const QPointF at = tab.center();
    const QPointF global = control->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(control, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(control, &release);
}

} // namespace

QList<TTour::TPlace> TTour::Places(QWidget* window)
{
    QList<TPlace> places;
    std::function<void(TPageControl*, const TPlace&)> walk = [&](TPageControl* control, const TPlace& above) {
        for (int i = 0; i < control->Count(); ++i) {
            TPlace place = above;
            place.Page = control->Page(i);
            place.Tabs.append({control, i});
            place.Captions << CaptionOf(place.Page);
            QList<TPageControl*> inner;
            for (TPageControl* child : place.Page->findChildren<TPageControl*>())
                if (ControlAbove(child, window) == control)
                    inner << child;
            if (inner.isEmpty())
                places << place;
            for (TPageControl* child : inner)
                walk(child, place);
        }
    };
    for (TPageControl* control : window->findChildren<TPageControl*>())
        if (!ControlAbove(control, window))
            walk(control, TPlace{});
    return places;
}

QStringList TTour::WindowPages(QWidget* window)
{
    QStringList names;
    for (const TPlace& place : Places(window))
        names << place.Page->objectName();
    return names;
}

TTour::TTour(TMainForm* form, const QString& folder, const QList<TTourStop>& plan, int waitLimitMs)
    : QObject(form), Form(form), Folder(folder), Dialogs(new TDialogWatch(waitLimitMs, this)),
      Poll(new QTimer(this)), WaitLimit(waitLimitMs)
{
    Pages = Places(form);
    QStringList names;
    for (const TPlace& place : Pages)
        names << place.Page->objectName();
    Order = TourOrder(plan, names, &Unknown);

    form->installEventFilter(this);
    form->StartupFinished = [this] {
        if (Started)
            return;  // a later run of the start-up sequence (recalibration)
        Started = true;
        // With an instrument the start-up sequence has just switched the
        // measurement loop on; without one it stays off.
        Measuring = Form->Timer->isActive();
        QTimer::singleShot(0, this, &TTour::Begin);
    };
    form->PressHandled = [this] { PressHandled(); };
    Poll->setInterval(100);
    connect(Poll, &QTimer::timeout, this, &TTour::Watch);
    Poll->start();
}

int TTour::ExitCode() const
{
    return !Finished || (GaveUp && Measuring) || Failed || Dialogs->Cancelled() > 0 ? 1 : 0;
}

const TTour::TPlace* TTour::PlaceOf(const QString& page) const
{
    for (const TPlace& place : Pages)
        if (place.Page->objectName() == page)
            return &place;
    return nullptr;
}

bool TTour::eventFilter(QObject* watched, QEvent* event)
{
    // The opening screen, as the window first shows (the start-up sequence
    // replaces it a second later).
    if (watched == Form && event->type() == QEvent::Show && !OpeningShot) {
        OpeningShot = true;
        QTimer::singleShot(0, this, [this] {
            if (Started)
                return;
            if (auto* notebook = Form->findChild<QStackedWidget*>(QStringLiteral("Notebook")))
                if (QWidget* page = notebook->currentWidget())
                    if (!page->findChild<TPageControl*>())
                        Shoot({CaptionOf(page)});
        });
    }
    return QObject::eventFilter(watched, event);
}

void TTour::Begin()
{
    Stop = 0;
    Go();
}

void TTour::Go()
{
    // While the tour clicks and takes pictures the measurement loop pauses,
    // as it does while the operator's hand is on the mouse: a press is
    // handled only once its page shows, and counted there. (Called from
    // PressHandled the loop is off already and switches itself on after.)
    const bool looping = Form->Timer->isActive();
    Form->Timer->stop();
    const auto resume = [this, looping] {
        if (looping && !Finished)
            Form->Timer->start();
    };
    // Pages that wait for nothing are pictured at once; the loop stops at a
    // page that waits for presses, which PressHandled then counts.
    while (Stop < Order.size()) {
        const TTourStop& stop = Order[Stop];
        const TPlace* place = PlaceOf(stop.Page);
        if (!place) {
            ++Stop;
            continue;
        }
        GoTo(*place);
        if (stop.Presses > 0 && Measuring && !GaveUp) {
            Presses = 0;
            Waiting = true;
            SinceLastPress.start();
            std::printf("tour: %s, waiting for %d presses\n", qPrintable(stop.Page), stop.Presses);
            std::fflush(stdout);
            resume();
            return;
        }
        Shoot(place->Captions);
        ++Stop;
    }
    Finish();
}

void TTour::GoTo(const TPlace& place)
{
    for (const auto& [control, index] : place.Tabs)
        ClickTab(control, index);
    QApplication::processEvents();
}

void TTour::PressHandled()
{
    if (!Waiting || Finished)
        return;
    SinceLastPress.start();
    if (++Presses < Order[Stop].Presses)
        return;
    // The last press of the page: the picture, then the next page, before
    // the measurement loop looks at the button again.
    Waiting = false;
    if (const TPlace* place = PlaceOf(Order[Stop].Page))
        Shoot(place->Captions);
    ++Stop;
    Go();
}

void TTour::Watch()
{
    if (!Waiting || Finished || SinceLastPress.elapsed() < WaitLimit)
        return;
    std::fprintf(stderr, "kelvora: tour: %s got %d of %d presses, none for %d ms; the tour goes on without waiting\n",
                 qPrintable(Order[Stop].Page), Presses, Order[Stop].Presses, WaitLimit);
    std::fflush(stderr);
    GaveUp = true;
    Waiting = false;
    Go();  // the page is pictured as it is
}

void TTour::Shoot(const QStringList& captions)
{
    // The step frame blinks; in the picture it shows.
    if (Form->BlinkShape)
        Form->BlinkShape->show();
    const QString path = QDir(Folder).filePath(TourPictureName(Number++, captions));
    if (QDir().mkpath(Folder) && SaveWindowPicture(Form, path)) {
        WrittenFiles << path;
    } else {
        Failed = true;
        std::fprintf(stderr, "kelvora: tour: cannot write %s\n", qPrintable(path));
        std::fflush(stderr);
    }
}

void TTour::Finish()
{
    if (Finished)
        return;
    Finished = true;
    Poll->stop();
    std::printf("%lld pictures of the tour in %s\n", static_cast<long long>(WrittenFiles.size()),
                qPrintable(Folder));
    std::fflush(stdout);
    // As the Exit button does, once the loop's turn that got here has ended.
    QTimer::singleShot(0, Form, [form = Form] { form->close(); });
}
