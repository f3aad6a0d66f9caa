// What reaches the printer through each link, and what each sender shows
// when its port fails.
#include "common/StopSignal.h"
#include "link/PrinterLink.h"
#include "support/ModalAnswerer.h"
#include "support/PseudoTerminal.h"
#include "support/TestMain.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

class TestPrinterLink : public QObject
{
    Q_OBJECT

    struct Rig {
        QWidget window;
        StopSignal stop;
        PrinterLink link{&window, &stop};
        PseudoTerminal pty;
        QTemporaryDir dir;
        Rig()
        {
            link.portNames().redirect(QStringLiteral("COM1"), pty.slavePath());
            link.portNames().redirect(QStringLiteral("COM2"), dir.filePath("missing-tty"));
            link.portNames().redirect("LPT2", dir.filePath("no/such/device"));
            QFile(dir.filePath("lpt1")).open(QIODevice::WriteOnly);
            link.portNames().redirect("LPT1", dir.filePath("lpt1"));
        }
        QByteArray lptBytes()
        {
            QFile file(dir.filePath("lpt1"));
            file.open(QIODevice::ReadOnly);
            return file.readAll();
        }
    };

private slots:
    // The link is chosen at each call; text goes out unchanged.
    void textGoesOutUnchangedOnTheLinkChosen()
    {
        Rig rig;
        const QString block = QStringLiteral("! 0 0 0 0\r\nVARIABLE WRITE\r\nEND\xE9");
        QVERIFY(rig.link.String_Print(block));
        rig.link.setSerialMode(false);
        QVERIFY(rig.link.String_Print("!L\r\n"));
        rig.link.setSerialMode(true);
        QVERIFY(rig.link.String_Print("!D x\r\n"));
        QCOMPARE(rig.lptBytes(), QByteArray("!L\r\n"));
        QCOMPARE(rig.pty.readAvailable(), block.toLatin1() + "!D x\r\n");
        QVERIFY(!rig.link.comm().isOpen());
    }

    void bytesGoOutExactly_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::addColumn<int>("count");
        for (int count : {0, 100, 250, 300, 200000}) { // 300 holds 0x11, 0x13 and 0x1A
            QTest::addRow("serial %d", count) << true << count;
            QTest::addRow("parallel %d", count) << false << count;
        }
    }
    void bytesGoOutExactly()
    {
        QFETCH(bool, serial);
        QFETCH(int, count);
        Rig rig;
        rig.link.setSerialMode(serial);
        QByteArray data;
        for (int i = 0; i < count; ++i)
            data.append(char(i * 7 + 3));
        QVERIFY(rig.link.Array_Print(data));
        QCOMPARE(serial ? rig.pty.readExactly(count) : rig.lptBytes(), data);
        QCOMPARE(rig.pty.readAvailable(20), QByteArray());
        QVERIFY(!rig.link.comm().isOpen());
        if (serial)
            QCOMPARE(rig.link.comm().inputMode(), 1);
    }

    // Each box as "text|title"; the byte sender's text is matched by its start.
    void failuresShowTheirMessages_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::addColumn<bool>("portMissing");
        QTest::addColumn<QString>("textBox");
        QTest::addColumn<QString>("bytesBox");
        QTest::newRow("serial port missing")
            << true << true << "Error Opening CommPort for String Send|SComString"
            << "Error: COM2 (%1/missing-tty) does not exist on this computer. |8002";
        QTest::newRow("parallel port missing")
            << false << true << "Error Opening LPT2 For String Send|SLptString"
            << "Error: File not found: %1/no/such/device|53";
        QTest::newRow("serial, buffer never filled") << true << false << ""
                                                     << "Error: Subscript out of range|9";
        QTest::newRow("parallel, buffer never filled") << false << false << ""
                                                       << "Error: Subscript out of range|9";
    }
    void failuresShowTheirMessages()
    {
        QFETCH(bool, serial);
        QFETCH(bool, portMissing);
        QFETCH(QString, textBox);
        QFETCH(QString, bytesBox);
        Rig rig;
        rig.link.setSerialMode(serial);
        if (portMissing) {
            QVERIFY(!rig.link.comm().setCommPort(2));
            rig.link.setParallelPortName("LPT2");
        }
        ModalAnswerer boxes;
        boxes.pressOk().pressOk();
        QCOMPARE(rig.link.String_Print("!L\r\n"), !portMissing);
        QVERIFY(!rig.link.Array_Print(portMissing ? PrinterBytes("abc") : std::nullopt));
        QStringList seen;
        for (const ModalAnswerer::Seen &box : boxes.seen()) {
            QCOMPARE(box.buttons, QStringList{"OK"});
            QCOMPARE(box.icon, QMessageBox::NoIcon);
            seen << box.text + '|' + box.title;
        }
        QCOMPARE(seen.size(), portMissing ? 2 : 1);
        if (portMissing)
            QCOMPARE(seen.takeFirst(), textBox);
        const QString start = bytesBox.section('|', 0, 0).arg(rig.dir.path());
        QVERIFY2(seen[0].startsWith(start) && seen[0].endsWith('|' + bytesBox.section('|', 1)),
                 qPrintable(seen[0]));
        if (serial && portMissing) // names the ports that exist
            QVERIFY2(seen[0].contains("Serial ports found: ") ||
                         seen[0].contains("No serial ports were found"),
                     qPrintable(seen[0]));
        QVERIFY(!rig.link.comm().isOpen());
        QCOMPARE(rig.window.cursor().shape(), Qt::ArrowCursor);
    }

    void unpluggedDeviceEndsTheTransfer()
    {
        Rig rig;
        ModalAnswerer boxes;
        boxes.pressOk();
        QTimer::singleShot(50, [&] { rig.pty.unplug(); });
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!rig.link.Array_Print(QByteArray(4 * 1024 * 1024, 'x')));
        QVERIFY(clock.elapsed() < 2000);
        QCOMPARE(boxes.seen().size(), 1);
        QVERIFY2(boxes.seen()[0].text.startsWith("Error: COM1 stopped working"),
                 qPrintable(boxes.seen()[0].text));
        QVERIFY(!rig.link.comm().isOpen());
    }
};

VARIMONDE_TEST_MAIN(TestPrinterLink)
#include "tst_printerlink.moc"
