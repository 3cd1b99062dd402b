// Saves a picture of every page of a window: each page of every page control
// (nested ones page by page) and each page of the notebook, as PNG files;
// and a picture of the window as it is.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

struct TScreenshotOptions {
    bool AllSkins = false;        // once per skin (0..5) instead of in the current skin only
    bool ShowStartedState = true; // caption panel, logo and every top-level tab shown while shooting
};

// Writes the PNGs into `folder` (created when missing) and returns their paths;
// an empty list when the folder cannot be created or nothing could be written.
// The window's pages, visibility and skin are put back as they were afterwards.
// Saves a PNG of the window as it shows now (a scrolling text where its first
// lines can be read); false when the file could not be written.
bool SaveWindowPicture(QWidget* window, const QString& path);

QStringList SaveScreenshots(QWidget* window, const QString& folder, const TScreenshotOptions& options = {});
