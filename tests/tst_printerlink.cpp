// What reaches the printer through each link, and what each sender shows
// when its port fails.
#include "link/PrinterLink.h"
#include "support/PageDriver.h"
#include "support/TestMain.h"

#include <QElapsedTimer>

class TestPrinterLink : public QObject
{
    Q_OBJECT

private slots:
    // The link is chosen at each call; text goes out unchanged.
    void textGoesOutUnchangedOnTheLinkChosen()
    {
        WindowFixture fx;
        PrinterLink &link = fx.window.link();
        const QString block = QStringLiteral("! 0 0 0 0\r\nVARIABLE WRITE\r\nEND\xE9");
        QVERIFY(fx.window.printer().printText(block));
        link.setSerialMode(false);
        link.setParallelPortName("LPT2");
        QVERIFY(fx.window.printer().printText("!L\r\n"));
        link.setSerialMode(true);
        QVERIFY(fx.window.printer().printText("!D x\r\n"));
        QCOMPARE(fx.parallelBytes("LPT2"), QByteArray("!L\r\n"));
        QCOMPARE(fx.serialBytes(), block.toLatin1() + "!D x\r\n");
        QVERIFY(!link.isBusy());
    }

    // Every byte value goes out unchanged (the pages' tests send files of
    // many sizes); the serial port is closed again, in binary input mode.
    void bytesGoOutExactly()
    {
        WindowFixture fx;
        PrinterLink &link = fx.window.link();
        QByteArray data;
        for (int i = 0; i < 256; ++i)
            data.append(char(i));
        QVERIFY(fx.window.printer().printBytes(data));
        QCOMPARE(fx.pty.readExactly(data.size()), data);
        QVERIFY(!link.isBusy());
        link.setSerialMode(false);
        QVERIFY(fx.window.printer().printBytes(data) &&
                fx.window.printer().printBytes(QByteArray()));
        QCOMPARE(fx.parallelBytes(), data);
        QCOMPARE(fx.serialBytes(20), QByteArray());
    }

    // Each box as "text|title", %1 standing for the test's folder. The
    // missing serial port's text goes on to name the ports that exist.
    void failuresShowTheirMessages_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::addColumn<bool>("portMissing");
        QTest::addColumn<QStringList>("boxes");
        const QString empty = "Error: Subscript out of range: there are no bytes in memory to "
                              "send|9";
        QTest::newRow("serial port missing")
            << true << true
            << QStringList{"Error Opening CommPort for String Send|SComString",
                           "Error: COM200 (%1/no-such-tty) does not exist on this computer. "};
        QTest::newRow("parallel port missing")
            << false << true
            << QStringList{"Error Opening LPT2 For String Send|SLptString",
                           "Error: File not found: %1/no/such/device|53"};
        QTest::newRow("serial, buffer never filled") << true << false << QStringList{empty};
        QTest::newRow("parallel, buffer never filled") << false << false << QStringList{empty};
    }
    void failuresShowTheirMessages()
    {
        QFETCH(bool, serial);
        QFETCH(bool, portMissing);
        QFETCH(QStringList, boxes);
        WindowFixture fx;
        PrinterLink &link = fx.window.link();
        link.setSerialMode(serial);
        if (portMissing) {
            QVERIFY(!link.serialPort().setCommPort(WindowFixture::missingComPort));
            link.portNames().redirect("LPT2", fx.dir.filePath("no/such/device"));
            link.setParallelPortName("LPT2");
        }
        ModalAnswerer answers;
        answers.pressOk().pressOk();
        QCOMPARE(fx.window.printer().printText("!L\r\n"), !portMissing);
        QVERIFY(!fx.window.printer().printBytes(portMissing ? PrinterBytes("abc") : std::nullopt));
        QStringList seen = shownBoxes(answers);
        for (const ModalAnswerer::Seen &box : answers.seen()) {
            QCOMPARE(box.buttons, QStringList{"OK"});
            QCOMPARE(box.icon, QMessageBox::NoIcon);
        }
        const QString expected = boxes.join('\n').arg(fx.dir.path());
        if (serial && portMissing) {
            const QString &text = seen.last();
            QVERIFY2((text.contains(". Serial ports found: ") ||
                      text.contains(". No serial ports were found")) &&
                         text.endsWith("|8002"),
                     qPrintable(text));
            seen.last().truncate(boxes.last().arg(fx.dir.path()).size());
        }
        QCOMPARE(seen.join('\n'), expected);
        QVERIFY(!link.isBusy());
        QCOMPARE(fx.window.cursor().shape(), Qt::ArrowCursor);
    }

    void unpluggedDeviceEndsTheTransfer()
    {
        WindowFixture fx;
        ModalAnswerer boxes;
        boxes.pressOk();
        QTimer::singleShot(50, [&] { fx.pty.unplug(); });
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!fx.window.printer().printBytes(QByteArray(4 * 1024 * 1024, 'x')));
        QVERIFY(clock.elapsed() < 2000);
        QCOMPARE(boxes.seen().size(), 1);
        QVERIFY2(boxes.seen()[0].text.startsWith("Error: COM1 stopped working during the "
                                                 "transfer: the device or its USB adapter was "
                                                 "removed or failed ("),
                 qPrintable(boxes.seen()[0].text));
        QVERIFY(!fx.window.link().isBusy());
    }
};

VARIMONDE_TEST_MAIN(TestPrinterLink)
#include "tst_printerlink.moc"
