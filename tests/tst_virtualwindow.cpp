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

// Two printers on one address, as two --listen options on one host make.
struct Printers {
    Fleet fleet;
    VirtualPrinter *first = nullptr;
    VirtualPrinter *second = nullptr;

    Printers()
    {
        QString failure;
        first = fleet.addNetworkPrinter(QHostAddress::LocalHost, 0, quint16(0), &failure);
        second = fleet.addNetworkPrinter(QHostAddress::LocalHost, 0, quint16(0), &failure);
        if (!first || !second)
            qFatal("%s", qPrintable(failure));
    }
};

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

QTreeWidgetItem *rowOf(VirtualWindow &window, int row)
{
    return window.findChild<QTreeWidget *>("PrintersLst")->topLevelItem(row);
}

} // namespace

class VirtualWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void buttonsSetWhatStatusReadersSee_data();
    void buttonsSetWhatStatusReadersSee();
    void listFollowsSendsOncePerTurn();
    void storedObjectsAndPictures();
    void withoutDisplayItSaysSo_data();
    void withoutDisplayItSaysSo();
};

void VirtualWindowTest::buttonsSetWhatStatusReadersSee_data()
{
    columns<QString, QString, QString>({"button", "state", "read"});
    row("door", "DoorCmd", "head-open", "door open");
    row("paper", "PaperCmd", "no-paper", "no paper");
    row("jam", "JamCmd", "jammed", "jammed");
}

void VirtualWindowTest::buttonsSetWhatStatusReadersSee()
{
    QFETCH(QString, button);
    QFETCH(QString, state);
    QFETCH(QString, read);
    Printers printers;
    VirtualWindow window(printers.fleet);
    window.show();
    auto *list = window.findChild<QTreeWidget *>("PrintersLst");
    list->setCurrentItem(rowOf(window, 1));
    QTest::mouseClick(window.findChild<QPushButton *>(button), Qt::LeftButton);
    QCOMPARE(readState(*printers.second), read);
    QTRY_COMPARE(rowOf(window, 1)->text(1), state);
    // The other printer on the same address is left as it was.
    QCOMPARE(readState(*printers.first), QStringLiteral("ready"));
    QCOMPARE(rowOf(window, 0)->text(1), QStringLiteral("ready"));
    QTest::mouseClick(window.findChild<QPushButton *>("ReadyCmd"), Qt::LeftButton);
    QCOMPARE(readState(*printers.second), QStringLiteral("ready"));
    QTRY_COMPARE(rowOf(window, 1)->text(1), QStringLiteral("ready"));
}

void VirtualWindowTest::listFollowsSendsOncePerTurn()
{
    Printers printers;
    VirtualWindow window(printers.fleet);
    window.show();
    QCOMPARE(rowOf(window, 1)->text(0), printers.second->link());
    window.findChild<QTreeWidget *>("PrintersLst")->setCurrentItem(rowOf(window, 1));
    sendTo(*printers.second, TestLabels::fourByThree().toLatin1().repeated(3));
    QTRY_COMPARE(rowOf(window, 1)->text(2), QStringLiteral("3"));
    QCOMPARE(rowOf(window, 0)->text(2), QStringLiteral("0"));
    QVERIFY(window.findChild<QPlainTextEdit *>("CommandsTxt")->toPlainText().contains("printed"));

    // A burst of changes shows once, as its last state.
    QSignalSpy shown(window.findChild<QTreeWidget *>("PrintersLst")->model(),
                     &QAbstractItemModel::dataChanged);
    PrinterModel &model = printers.first->model();
    for (int i = 0; i < 1000; ++i) {
        model.setCondition(i % 2 ? PrinterModel::Condition::Paused
                                 : PrinterModel::Condition::Jammed);
        emit printers.fleet.printerChanged(printers.first);
    }
    QTRY_COMPARE(rowOf(window, 0)->text(1), QStringLiteral("paused"));
    QCOMPARE(shown.count(), 1);

    // A printer added later, a serial one, shows where to find it.
    auto *serial = new VirtualPrinter(QStringLiteral("serial1"));
    auto *line = new SerialLine(*serial, *SerialSettings::parse("9600,N,8,1"), serial);
    QVERIFY2(line->isOpen(), qPrintable(line->failure()));
    printers.fleet.adopt(serial);
    QTRY_COMPARE(window.findChild<QTreeWidget *>("PrintersLst")->topLevelItemCount(), 3);
    QCOMPARE(rowOf(window, 2)->text(0), line->path() + " at 9600,N,8,1");

    // The longest state a printer takes is not cut.
    model.restarting = true;
    emit printers.fleet.printerChanged(printers.first);
    QTRY_COMPARE(rowOf(window, 0)->text(1), QStringLiteral("restarting"));
    auto *list = window.findChild<QTreeWidget *>("PrintersLst");
    QVERIFY(list->columnWidth(1) >
            list->fontMetrics().horizontalAdvance(rowOf(window, 0)->text(1)) + 6);
}

void VirtualWindowTest::storedObjectsAndPictures()
{
    Printers printers;
    VirtualWindow window(printers.fleet);
    window.show();
    QByteArray format = "! 0 100 200 1\r\nT 3 10 10 A\r\nEND\r\n";
    FormatLines::toPrinterText(format);
    StorageCommands::formatStore(QStringLiteral("addr"), format);
    sendTo(*printers.first, StorageCommands::graphicStoreHeader("PCX", "LOGO").toLatin1() +
                                Pictures::pcx(16, 4) +
                                StorageCommands::graphicStoreEnd().toLatin1() + format);
    auto *objects = window.findChild<QTreeWidget *>("ObjectsLst");
    QTRY_COMPARE(objects->topLevelItemCount(), 2);
    QCOMPARE(objects->topLevelItem(0)->text(0), QStringLiteral("LOGO"));
    QCOMPARE(objects->topLevelItem(0)->text(1), QStringLiteral("PCX"));
    QCOMPARE(objects->topLevelItem(1)->text(1), QStringLiteral("format"));
    QCOMPARE(objects->topLevelItem(1)->text(2).toLongLong(),
             printers.first->model().objects().value("addr").size);
    // The graphic is chosen and drawn, whole dots enlarged alike.
    QCOMPARE(objects->currentItem(), objects->topLevelItem(0));
    const QImage picture = window.findChild<QLabel *>("PictureImg")->pixmap().toImage();
    QVERIFY(!picture.isNull());
    const int dot = picture.width() / 16;
    QVERIFY(dot >= 1);
    QCOMPARE(picture.size(), QSize(16, 4) * dot);
    for (int x = 0; x < 16; ++x)
        QCOMPARE(qGray(picture.pixel(x * dot + dot / 2, dot + dot / 2)) < 128, (x + 1) % 3 == 0);

    // Every control tells a screen reader what it is.
    for (QWidget *control : window.findChildren<QWidget *>()) {
        if (!control->isVisible() || !control->focusPolicy())
            continue;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        QVERIFY2(accessible && !accessible->text(QAccessible::Name).isEmpty(),
                 qPrintable(control->objectName()));
    }
}

void VirtualWindowTest::withoutDisplayItSaysSo_data()
{
    columns<QString, QString, QString>({"display", "platform", "said"});
    row("none", "", "", "DISPLAY is not set");
    row("nothing there", ":63999", "xcb", "no X server answers on DISPLAY :63999");
    row("offscreen", "", "offscreen", "");
}

void VirtualWindowTest::withoutDisplayItSaysSo()
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
    QVERIFY2(error.contains("--window: a window needs a display, and " + said), qPrintable(error));
}

VARIMONDE_TEST_MAIN(VirtualWindowTest)
#include "tst_virtualwindow.moc"
