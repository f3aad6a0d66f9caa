// Draws the send log window after a few sends, for the README; built with
// the tests, whose window driver it uses. The sends go to a pseudo-terminal,
// never to a printer port of the machine.
#include "support/TestMain.h"
#include "support/WindowDriver.h"

#include <QTableView>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PICTURE.png\n", argv[0]);
        return 2;
    }
    useOwnSettings();
    QApplication app(argc, argv);
    WindowDriver ui;
    for (const char *button : {"UploadCMD", "CalCmd", "TestCMD", "ListCMD"}) {
        ui.click(button);
        ui.pty.readAvailable(20);
    }
    ui.click("LogCMD");
    auto *log = ui.control("LogFrm");
    ui.control<QTableView>("LogTable")->selectRow(0);
    QTest::qWait(200);
    return log->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
