#include "discovery/SnmpReader.h"
#include "printer/FormatLines.h"
#include "printer/StorageCommands.h"
#include "printer/TestLabels.h"
#include "support/Pictures.h"
#include "support/RawSend.h"
#include "support/TestMain.h"
#include "virtual/Fleet.h"
#include "virtual/SerialLine.h"
#include "virtualwindow/VirtualWindow.h"

#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>

namespace
{

// What a status reader makes of the printer's SNMP answer: "door open".
QString readState(const VirtualPrinter &printer)
{
    SnmpOptions options;
    options.port = printer.snmpPort();
    options.timeoutMs = 300;
    SnmpReader reader(options);
    std::optional<SnmpAnswer> got;
    reader.read(QStringLiteral("127.0.0.1"),
                [&got](const QString &, const SnmpAnswer &answer) { got = answer; });
    if (!QTest::qWaitFor([&got] { return got.has_value(); }, 5000))
        return QStringLiteral("no answer within 5 seconds");
    return got && got->answered ? got->state.words() : QStringLiteral("no answer");
}

} // namespace

class VirtualWindowTest : public QObject
{
    Q_OBJECT

private slots:
    // One window on two printers at one address, as two --listen options on
    // one host make, follows what they are sent and what its buttons set.
    void windowFollowsItsPrinters()
    {
        Fleet fleet;
        QString failure;
        VirtualPrinter *first =
            fleet.addNetworkPrinter(QHostAddress::LocalHost, 0, quint16(0), &failure);
        VirtualPrinter *second =
            fleet.addNetworkPrinter(QHostAddress::LocalHost, 0, quint16(0), &failure);
        QVERIFY2(first && second, qPrintable(failure));
        VirtualWindow window(fleet);
        window.show();
        auto *list = window.findChild<QTreeWidget *>("PrintersLst");
        const auto rowOf = [list](int row) { return list->topLevelItem(row); };
        QCOMPARE(rowOf(1)->text(0), second->link());
        QCOMPARE(list->currentItem(), rowOf(0)); // the first is shown at start
        list->setCurrentItem(rowOf(1));

        // Each button sets what status readers see of the printer chosen;
        // the other one on the same address is left as it was.
        for (const auto &[button, state, read] : {std::tuple("DoorCmd", "head-open", "door open"),
                                                  std::tuple("PaperCmd", "no-paper", "no paper"),
                                                  std::tuple("JamCmd", "jammed", "jammed")}) {
            QTest::mouseClick(window.findChild<QPushButton *>(button), Qt::LeftButton);
            QCOMPARE(readState(*second), read);
            QTRY_COMPARE(rowOf(1)->text(1), state);
            QCOMPARE(readState(*first), "ready");
            QCOMPARE(rowOf(0)->text(1), "ready");
            QTest::mouseClick(window.findChild<QPushButton *>("ReadyCmd"), Qt::LeftButton);
            QCOMPARE(readState(*second), "ready");
            QTRY_COMPARE(rowOf(1)->text(1), "ready");
        }

        sendTo(*second, TestLabels::fourByThree().toLatin1().repeated(3));
        QTRY_COMPARE(rowOf(1)->text(2), "3");
        QCOMPARE(rowOf(0)->text(2), "0");
        QVERIFY(
            window.findChild<QPlainTextEdit *>("CommandsTxt")->toPlainText().contains("printed"));

        // Its stored objects: the graphic is chosen and drawn, whole dots
        // enlarged alike.
        QByteArray format = "! 0 100 200 1\r\nT 3 10 10 A\r\nEND\r\n";
        FormatLines::toPrinterText(format);
        StorageCommands::formatStore(QStringLiteral("addr"), format);
        sendTo(*second, StorageCommands::graphicStoreHeader("PCX", "LOGO").toLatin1() +
                            Pictures::pcx(16, 4) + StorageCommands::graphicStoreEnd().toLatin1() +
                            format);
        auto *objects = window.findChild<QTreeWidget *>("ObjectsLst");
        QTRY_COMPARE(objects->topLevelItemCount(), 2);
        QCOMPARE(objects->topLevelItem(0)->text(0), "LOGO");
        QCOMPARE(objects->topLevelItem(0)->text(1), "PCX");
        QCOMPARE(objects->topLevelItem(1)->text(1), "format");
        QCOMPARE(objects->topLevelItem(1)->text(2).toLongLong(),
                 second->model().objects().value("addr").size);
        QCOMPARE(objects->currentItem(), objects->topLevelItem(0));
        const QImage picture = window.findChild<QLabel *>("PictureImg")->pixmap().toImage();
        const int dot = picture.width() / 16;
        QVERIFY(dot >= 1);
        QCOMPARE(picture.size(), QSize(16, 4) * dot);
        for (int x = 0; x < 16; ++x)
            QCOMPARE(qGray(picture.pixel(x * dot + dot / 2, dot + dot / 2)) < 128,
                     (x + 1) % 3 == 0);

        // A burst of changes shows once, as its last state.
        QSignalSpy shown(list->model(), &QAbstractItemModel::dataChanged);
        PrinterModel &model = first->model();
        for (int i = 0; i < 1000; ++i) {
            model.setCondition(i % 2 ? PrinterModel::Condition::Paused
                                     : PrinterModel::Condition::Jammed);
            emit fleet.printerChanged(first);
        }
        QTRY_COMPARE(rowOf(0)->text(1), "paused");
        QCOMPARE(shown.count(), 1);

        // A printer added later, a serial one, shows where to find it.
        auto *serial = new VirtualPrinter(QStringLiteral("serial1"));
        auto *line = new SerialLine(*serial, *SerialSettings::parse("9600,N,8,1"), serial);
        QVERIFY2(line->isOpen(), qPrintable(line->failure()));
        fleet.adopt(serial);
        QTRY_COMPARE(list->topLevelItemCount(), 3);
        QCOMPARE(rowOf(2)->text(0), line->path() + " at 9600,N,8,1");

        // The longest state a printer takes is not cut.
        model.restarting = true;
        emit fleet.printerChanged(first);
        QTRY_COMPARE(rowOf(0)->text(1), "restarting");
        QVERIFY(list->columnWidth(1) > list->fontMetrics().horizontalAdvance("restarting") + 6);

        // Every control tells a screen reader what it is.
        for (QWidget *control : window.findChildren<QWidget *>()) {
            if (!control->isVisible() || !control->focusPolicy())
                continue;
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
            QVERIFY2(accessible && !accessible->text(QAccessible::Name).isEmpty(),
                     qPrintable(control->objectName()));
        }
    }

    void withoutDisplayItSaysSo_data()
    {
        columns<QString, QString, QString>({"display", "platform", "said"});
        row("none", "", "", "DISPLAY is not set");
        row("nothing there", ":63999", "xcb", "no X server answers on DISPLAY :63999");
        row("offscreen", "", "offscreen", "");
    }
    void withoutDisplayItSaysSo()
    {
        QFETCH(QString, display);
        QFETCH(QString, platform);
        QFETCH(QString, said);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        if (!display.isEmpty())
            environment.insert("DISPLAY", display);
        if (!platform.isEmpty())
            environment.insert("QT_QPA_PLATFORM", platform);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(VARIMONDE_VIRTUAL_BINARY,
                      {"--listen", "127.0.0.1:0", "--no-snmp", "--no-dns-sd", "--window"});
        QVERIFY(program.waitForStarted());
        if (said.isEmpty()) {
            QByteArray said;
            QTRY_VERIFY((said += program.readAllStandardOutput()).contains("ready: 1 printers"));
            program.terminate();
            QVERIFY(program.waitForFinished(5000));
            QCOMPARE(program.exitCode(), 0);
            return;
        }
        QVERIFY(program.waitForFinished(5000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 2);
        const QString error = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(error.contains("--window: a window needs a display, and " + said),
                 qPrintable(error));
    }
};

VARIMONDE_TEST_MAIN(VirtualWindowTest)
#include "tst_virtualwindow.moc"
