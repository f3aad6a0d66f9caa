#include "app/MainWindow.h"
#include "common/ProcessSignals.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    ignoreBrokenPipeSignal();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("varimonde-setup"));
    QGuiApplication::setDesktopFileName(QStringLiteral("varimonde-setup"));
    MainWindow window;
    window.show();
    return app.exec();
}
