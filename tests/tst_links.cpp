// The four links side by side: the same command block reaches the printer
// byte for byte over each, every way a network printer can fail has its own
// message, a failed network send leaves nothing behind to reach the printer
// later, and USB printers are found with their maker and model.
#include "common/StopSignal.h"
#include "link/PortDiscovery.h"
#include "link/PrinterLink.h"
#include "support/LoopbackPrinter.h"
#include "support/PseudoTerminal.h"
#include "support/TestMain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

namespace
{

// A block such as the features send, and every byte value after it.
const QString commandBlock = QStringLiteral("\x02KcQ0001\r\nQ0100,0024\r\nD11\r\nE\r\n");

QByteArray everyByte()
{
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(char(255 - i));
    return bytes;
}

QString shown(const SendOutcome &outcome)
{
    return outcome ? outcome->boxText() + '|' + outcome->boxTitle() : QStringLiteral("sent");
}

// A device tree as the system shows USB printers: dev/usb/lpN, and the
// IEEE 1284 ID of each under sys/lpN/device. An empty ID makes no file.
struct FakeUsbTree {
    QTemporaryDir dir;
    QString devRoot() const { return dir.filePath("dev/usb"); }
    QString sysRoot() const { return dir.filePath("sys"); }
    QString add(const QString &name, const QByteArray &deviceId)
    {
        QDir().mkpath(devRoot());
        QFile(devRoot() + '/' + name).open(QIODevice::WriteOnly);
        if (!deviceId.isEmpty()) {
            QDir().mkpath(sysRoot() + '/' + name + "/device");
            QFile id(sysRoot() + '/' + name + "/device/ieee1284_id");
            id.open(QIODevice::WriteOnly);
            id.write(deviceId);
        }
        return devRoot() + '/' + name;
    }
};

} // namespace

class TestLinks : public QObject
{
    Q_OBJECT

    std::unique_ptr<StopSignal> stop;
    std::unique_ptr<PrinterLink> link;

private slots:
    void init()
    {
        stop = std::make_unique<StopSignal>();
        link = std::make_unique<PrinterLink>(stop.get());
        link->setStallLimitMs(300);
        link->setConnectTimeoutMs(300);
    }

    void sameBlockArrivesOverEveryLink_data()
    {
        QTest::addColumn<QString>("way");
        for (const char *way : {"serial", "parallel", "usb", "network", "network ipv6"})
            QTest::newRow(way) << way;
    }
    void sameBlockArrivesOverEveryLink()
    {
        QFETCH(QString, way);
        PseudoTerminal pty;
        FakeUsbTree usb;
        QTemporaryDir dir;
        const QString lpt = dir.filePath("lp0");
        QFile(lpt).open(QIODevice::WriteOnly);
        const bool ipv6 = way.endsWith("ipv6");
        LoopbackPrinter printer(ipv6 ? "::1" : "127.0.0.1");
        if (way == "serial") {
            link->portNames().redirect("COM1", pty.slavePath());
            link->setKind(PrinterLink::Kind::Serial);
        } else if (way == "parallel") {
            link->portNames().redirect("LPT1", lpt);
            link->setKind(PrinterLink::Kind::Parallel);
        } else if (way == "usb") {
            usb.add("lp0", "MFG:Varimonde;MDL:VL-4;");
            const QList<PortDiscovery::UsbPrinterEntry> found =
                PortDiscovery::usbPrinters(usb.devRoot(), usb.sysRoot());
            QCOMPARE(found.size(), 1);
            link->setUsbDevice(found.first().device);
            link->setKind(PrinterLink::Kind::UsbPrinter);
        } else {
            if (ipv6 && !printer.isValid())
                QSKIP("no IPv6 loopback here");
            QVERIFY(printer.isValid());
            link->setNetworkPrinter(ipv6 ? "::1" : "127.0.0.1", printer.port());
            link->setKind(PrinterLink::Kind::Network);
        }
        QCOMPARE(shown(link->sendText(commandBlock)), "sent");
        QCOMPARE(shown(link->sendBytes(everyByte())), "sent");
        const QByteArray expected = commandBlock.toLatin1() + everyByte();
        QByteArray arrived;
        if (way == "serial")
            arrived = pty.readExactly(expected.size());
        else if (way.startsWith("network"))
            arrived = printer.readExactly(expected.size());
        else {
            QFile file(way == "usb" ? usb.devRoot() + "/lp0" : lpt);
            QVERIFY(file.open(QIODevice::ReadOnly));
            arrived = file.readAll();
        }
        QCOMPARE(arrived, expected);
        if (way.startsWith("network")) // one connection a send, each ended in order
            QTRY_COMPARE(printer.ended(), 2);
    }

    // "%1" stands for the printer's "address:port".
    void networkFailuresSayWhy_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("box");
        QTest::newRow("no address")
            << "no address"
            << "Error: No printer address is set: enter the printer's network name or IP address "
               "on the Communication Settings tab.|8002";
        QTest::newRow("name not found")
            << "name"
            << "Error: The printer's network name \"printer.invalid\" could not be found "
               "(port 9100): check the name, or enter the printer's IP address instead."
               "|8002";
        QTest::newRow("refused") << "refused"
                                 << "Error: %1 refused the connection: check that this is the "
                                    "printer's address and that it takes print jobs on port ";
        QTest::newRow("no answer")
            << "timeout"
            << "Error: %1 did not answer within 0.3 seconds: check the address, and that the "
               "printer is on and connected to the network.|8010";
        QTest::newRow("stalls") << "stall"
                                << "Error: %1 accepted no data for 0.3 seconds: check that the "
                                   "printer is on, online and has paper.|8020";
        QTest::newRow("hangs up") << "hang up"
                                  << "Error: %1 closed the connection during the transfer: the "
                                     "printer may have been switched off or restarted.|8020";
        QTest::newRow("text, refused") << "refused text"
                                       << "Error Opening %1 For String Send|SNetString";
    }
    void networkFailuresSayWhy()
    {
        QFETCH(QString, fault);
        QFETCH(QString, box);
        std::unique_ptr<LoopbackPrinter> printer;
        std::unique_ptr<FullListener> full;
        QString host = "127.0.0.1";
        quint16 port = 9100;
        if (fault == "no address") {
            host.clear();
        } else if (fault == "name") {
            host = "printer.invalid";
        } else if (fault.startsWith("refused")) {
            port = closedLoopbackPort();
        } else if (fault == "timeout") {
            full = std::make_unique<FullListener>();
            port = full->port();
        } else {
            printer =
                std::make_unique<LoopbackPrinter>("127.0.0.1", fault == "hang up" ? 65536 : -1);
            printer->keepBytes(false);
            printer->pauseReading(fault == "stall");
            port = printer->port();
        }
        QVERIFY(port != 0);
        link->setNetworkPrinter(host, port);
        link->setKind(PrinterLink::Kind::Network);
        QElapsedTimer clock;
        clock.start();
        const SendOutcome outcome = fault.endsWith("text")
                                        ? link->sendText(QString(1024, 'y'))
                                        : link->sendBytes(QByteArray(16 << 20, 'x'));
        const QString where = host + ':' + QString::number(port);
        QVERIFY2(shown(outcome).startsWith(box.replace("%1", where)), qPrintable(shown(outcome)));
        QVERIFY(!link->isBusy());
        // Every failure is told within its limit, not after the system's own.
        QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    }

    // "%1" stands for the USB device root of the fake tree.
    void usbPrinterFailuresSayWhatToCheck_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("bytes");
        QTest::addColumn<QString>("box");
        const QString check = "Check that the printer is switched on and its USB cable is plugged "
                              "in at both ends, and that the usblp driver is loaded (lsmod | grep "
                              "usblp; load it with: sudo modprobe usblp).";
        QTest::newRow("none found")
            << "" << true << "Error: No USB printer is connected. " + check + "|53";
        QTest::newRow("unplugged since listed")
            << "%1/lp0" << true << "Error: File not found: %1/lp0. " + check + "|53";
        QTest::newRow("none found, text")
            << "" << false << "Error Opening USB Printer For String Send|SUsbString";
    }
    void usbPrinterFailuresSayWhatToCheck()
    {
        QFETCH(QString, device);
        QFETCH(bool, bytes);
        QFETCH(QString, box);
        FakeUsbTree usb;
        link->setUsbDevice(device.replace("%1", usb.devRoot()));
        link->setKind(PrinterLink::Kind::UsbPrinter);
        const SendOutcome outcome =
            bytes ? link->sendBytes(QByteArray("x")) : link->sendText(commandBlock);
        QCOMPARE(shown(outcome), box.replace("%1", usb.devRoot()));
    }

    // The IDs as printers give them: fields in any order, long or short keys,
    // a line end after the last; "%1" stands for the device root.
    void usbPrintersAreListedWithMakerAndModel_data()
    {
        QTest::addColumn<QStringList>("devices"); // name=ID
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("no USB printer ever") << QStringList() << QStringList();
        QTest::newRow("maker and model")
            << QStringList{"lp0=MFG:Varimonde;CMD:VPL,EPL;MDL:VL-4 Pro;CLS:PRINTER;\n"}
            << QStringList{"%1/lp0 (Varimonde VL-4 Pro)"};
        QTest::newRow("long keys, blanks")
            << QStringList{"lp0=MANUFACTURER: Acme Labels ;MODEL:AL 2;"}
            << QStringList{"%1/lp0 (Acme Labels AL 2)"};
        QTest::newRow("model only")
            << QStringList{"lp0=CMD:X;MDL:T4;"} << QStringList{"%1/lp0 (T4)"};
        QTest::newRow("no ID") << QStringList{"lp1="} << QStringList{"%1/lp1"};
        QTest::newRow("in number order") << QStringList{"lp10=MFG:C;", "lp2=MFG:B;", "lp0=MFG:A;"}
                                         << QStringList{"%1/lp0 (A)", "%1/lp2 (B)", "%1/lp10 (C)"};
        QTest::newRow("other devices left out")
            << QStringList{"hiddev0=MFG:Mouse;", "lp0=MFG:A;MDL:B;"} << QStringList{"%1/lp0 (A B)"};
    }
    void usbPrintersAreListedWithMakerAndModel()
    {
        QFETCH(QStringList, devices);
        QFETCH(QStringList, listed);
        FakeUsbTree usb;
        for (const QString &device : devices)
            usb.add(device.section('=', 0, 0),
                    device.section('=', 1).replace("\\n", "\n").toLatin1());
        QStringList labels;
        for (const PortDiscovery::UsbPrinterEntry &printer :
             PortDiscovery::usbPrinters(usb.devRoot(), usb.sysRoot()))
            labels << printer.label();
        QCOMPARE(labels, listed.replaceInStrings("%1", usb.devRoot()));
    }

    // A send that fails drops what the system still holds for the printer:
    // the printer gets what reached it before the failure and nothing after.
    void failedNetworkSendLeavesNothingBehind()
    {
        LoopbackPrinter printer;
        printer.keepBytes(false);
        printer.pauseReading(true);
        link->setNetworkPrinter("127.0.0.1", printer.port());
        link->setKind(PrinterLink::Kind::Network);
        qint64 reported = 0;
        connect(link.get(), &PrinterLink::progress, this,
                [&reported](qint64 sent, qint64) { reported = sent; });
        QVERIFY(link->sendBytes(QByteArray(16 << 20, 'x')));
        printer.pauseReading(false);
        QTRY_COMPARE(printer.ended(), 1);
        QVERIFY(reported > 0);
        QCOMPARE(printer.totalReceived(), reported);
    }
};

VARIMONDE_TEST_MAIN(TestLinks)
#include "tst_links.moc"
