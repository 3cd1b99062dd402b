// The wait (hourglass) cursor for the length of a scope: shown on creation,
// the normal cursor restored on destruction, nested uses stack.
#pragma once

#include <QCursor>
#include <QGuiApplication>

class TWaitCursor {
public:
    TWaitCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~TWaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};
