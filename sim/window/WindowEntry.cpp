// The module's one entry point, called by the stand-in library on its first
// entry-point call when KELVORA_SIM_WINDOW is set.
#include "SimWindow.h"

#include <QApplication>
#include <QMetaObject>

#include <cstdio>

extern "C" Q_DECL_EXPORT void KelvoraSimWindowOpen(void)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fprintf(stderr, "kelvora-sim: KELVORA_SIM_WINDOW is set, but this program has no Qt widget "
                             "application; no instrument window\n");
        return;
    }
    // Created on the application's thread, once the current driver call has returned.
    QMetaObject::invokeMethod(qApp, [] { SimWindow::OpenWindow(); }, Qt::QueuedConnection);
}
