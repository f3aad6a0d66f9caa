#include "app/MainWindow.h"
#include "cli/CommandLine.h"
#include "common/Language.h"
#include "common/ProcessSignals.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    ignoreBrokenPipeSignal();
    // Options mean a run without a window, which needs no display at all:
    // decided before any application object exists.
    if (CommandLine::wanted(argc, argv))
        return CommandLine::main(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("varimonde-setup"));
    QGuiApplication::setDesktopFileName(QStringLiteral("varimonde-setup"));
    if (const QString warning = Language::install(app); !warning.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(warning));
    MainWindow window;
    window.show();
    return app.exec();
}
