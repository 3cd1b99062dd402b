// The application object the benchmarks run under: the program's own kind
// (QApplication) on the offscreen platform, made once and kept to the end.
// Little CMS and the painting cost differently under a GUI application than
// under a bare QCoreApplication, so figures are taken the way the program runs.
#pragma once

#include <QApplication>
#include <QByteArray>

namespace benchsupport {

inline QApplication& GuiApplication()
{
    static int argc = 1;
    static char name[] = "kelvora-bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

}  // namespace benchsupport
