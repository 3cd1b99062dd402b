// The plan of a tour of the main window's pages: which pages wait for how
// many presses of the instrument's button, the order in which the pages are
// visited, and the name of each page's picture. No widgets: the driver that
// clicks the tabs and saves the pictures is TTour (Tour.h).
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct TTourStop {
    QString Page;     // object name of the page ("DotGainPage")
    int Presses = 0;  // presses of the instrument's button the page waits for
    bool operator==(const TTourStop&) const = default;
};

// Reads "DensityPage=5,DotGainPage=4": page object names with the number of
// presses each waits for, in the order they are visited. Blanks around the
// parts are allowed; an empty text is an empty plan. On a fault: nothing,
// and `error` names the part at fault.
std::optional<QList<TTourStop>> ParseTourPresses(const QString& text, QString* error = nullptr);

// The order of the visit: the planned pages in the plan's order, then every
// other page of the window in the window's order, waiting for no press.
// A planned page the window does not have is named in `unknown`.
QList<TTourStop> TourOrder(const QList<TTourStop>& plan, const QStringList& windowPages,
                           QStringList* unknown = nullptr);

// A text as a part of a file name: lower case letters and digits, runs of
// anything else as one "-" ("Dot Gain" -> "dot-gain", "delta L-a-b" -> "delta-l-a-b").
QString FileNamePart(const QString& text);

// The picture of the visit's `number`-th page, named by the captions from
// the tab down to the page: 4, {"Densitometry", "Dot Gain"} ->
// "04-densitometry-dot-gain.png".
QString TourPictureName(int number, const QStringList& captions);
