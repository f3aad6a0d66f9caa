// The main window for the screen-reader test, with COM1 led to the device
// named on the command line: a pseudo-terminal the test reads.
#include "app/MainWindow.h"
#include "support/TestMain.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DEVICE\n", argv[0]);
        return 2;
    }
    useOwnSettings();
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    MainWindow window;
    window.link().portNames().redirect(QStringLiteral("COM1"), QString::fromLocal8Bit(argv[1]));
    window.show();
    return app.exec();
}
