// Draws the Find Printers dialog after a sweep of a small loopback range
// with two printers listening, for the README; built with the tests, whose
// window driver it uses. Nothing is sent.
#include "comm/FindPrintersDialog.h"
#include "support/TestMain.h"
#include "support/WindowDriver.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTcpServer>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIALOG.png\n", argv[0]);
        return 2;
    }
    useOwnSettings();
    QApplication app(argc, argv);
    QTcpServer first, second;
    first.listen(QHostAddress(QStringLiteral("127.0.0.91")), 9100);
    second.listen(QHostAddress(QStringLiteral("127.0.0.92")), 9100);
    WindowDriver ui;
    ui.control<QAbstractButton>(QStringLiteral("CommOp_3"))->click();
    ui.control<QAbstractButton>(QStringLiteral("FindPrintersCmd"))->click();
    auto *dialog = ui.window.findChild<FindPrintersDialog *>();
    dialog->findChild<QLineEdit *>(QStringLiteral("RangeTxt"))
        ->setText(QStringLiteral("127.0.0.88/29"));
    auto *start = dialog->findChild<QAbstractButton *>(QStringLiteral("StartCmd"));
    start->click();
    for (int waited = 0; !start->isEnabled() && waited < 10000; waited += 50)
        QTest::qWait(50);
    QTest::qWait(200);
    return dialog->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
