// What reaches the printer through each link, and what each sender shows
// when its port fails.
#include "common/StopSignal.h"
#include "link/PrinterLink.h"
#include "support/ModalAnswerer.h"
#include "support/PseudoTerminal.h"
#include "support/TestMain.h"

#include <QFile>
#include <QSignalSpy>
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
            for (const char *lpt : {"LPT1", "LPT2"}) {
                QFile file(lptPath(lpt));
                file.open(QIODevice::WriteOnly);
                link.portNames().redirect(lpt, lptPath(lpt));
            }
        }
        QString lptPath(const QString &name) const { return dir.filePath(name.toLower()); }
        QByteArray lptBytes(const QString &name) const
        {
            QFile file(lptPath(name));
            file.open(QIODevice::ReadOnly);
            return file.readAll();
        }
    };

    static QByteArray bytesUpTo(int n)
    {
        QByteArray bytes;
        for (int i = 0; i < n; ++i)
            bytes.append(char(i * 7 + 3));
        return bytes;
    }

private slots:
    void bothLinksDeliverTheSameTextUnchanged()
    {
        Rig rig;
        const QString block = QStringLiteral("! 0 0 0 0\r\nVARIABLE WRITE\r\nEND");
        QVERIFY(rig.link.String_Print(block));
        QCOMPARE(rig.pty.readAvailable(), block.toLatin1());

        rig.link.setSerialMode(false);
        QVERIFY(rig.link.String_Print(block));
        QCOMPARE(rig.lptBytes("LPT1"), block.toLatin1());
        QCOMPARE(rig.pty.readAvailable(20), QByteArray());
    }

    void linkIsChosenAtEachCall()
    {
        Rig rig;
        rig.link.setSerialMode(false);
        rig.link.setParallelPortName("LPT2");
        QVERIFY(rig.link.String_Print("!L\r\n"));
        rig.link.setSerialMode(true);
        QVERIFY(rig.link.String_Print("!D x\r\n"));
        QCOMPARE(rig.lptBytes("LPT2"), QByteArray("!L\r\n"));
        QCOMPARE(rig.lptBytes("LPT1"), QByteArray());
        QCOMPARE(rig.pty.readAvailable(), QByteArray("!D x\r\n"));
        QVERIFY(!rig.link.comm().isOpen());
    }

    void serialBytesGoOutWholeAndClosed_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("nothing") << 0;
        QTest::newRow("one chunk") << 100;
        QTest::newRow("two and a bit") << 250;
        QTest::newRow("control bytes") << 300; // includes 0x11, 0x13 and 0x1A
        QTest::newRow("large") << 200000;
    }
    void serialBytesGoOutWholeAndClosed()
    {
        QFETCH(int, count);
        Rig rig;
        const QByteArray data = bytesUpTo(count);
        QVERIFY(rig.link.Array_Print(data));
        QCOMPARE(rig.pty.readExactly(count, 5000).size(), qsizetype(count));
        QVERIFY(!rig.link.comm().isOpen());
        QCOMPARE(rig.link.comm().inputMode(), 1);
    }

    void serialBytesExactContent()
    {
        Rig rig;
        QByteArray data;
        for (int i = 0; i < 256; ++i)
            data.append(char(i));
        QVERIFY(rig.link.Array_Print(data));
        QCOMPARE(rig.pty.readExactly(data.size()), data);
    }

    void parallelBytesExactContent()
    {
        Rig rig;
        rig.link.setSerialMode(false);
        const QByteArray data = bytesUpTo(70000);
        QVERIFY(rig.link.Array_Print(data));
        QVERIFY(rig.link.Array_Print(QByteArray()));
        QCOMPARE(rig.lptBytes("LPT1"), data);
    }

    void serialFailuresShowTheirMessages()
    {
        Rig rig;
        QVERIFY(!rig.link.comm().setCommPort(2));
        ModalAnswerer boxes;
        boxes.pressOk().pressOk();
        QVERIFY(!rig.link.String_Print("!L\r\n"));
        QVERIFY(!rig.link.Array_Print(QByteArray("abc")));
        QCOMPARE(boxes.seen().size(), 2);
        QCOMPARE(boxes.seen()[0].text, QStringLiteral("Error Opening CommPort for String Send"));
        QCOMPARE(boxes.seen()[0].title, QStringLiteral("SComString"));
        QCOMPARE(boxes.seen()[0].icon, QMessageBox::NoIcon);
        QCOMPARE(boxes.seen()[0].buttons, QStringList{"OK"});
        QVERIFY2(boxes.seen()[1].text.startsWith("Error: COM2 ("),
                 qPrintable(boxes.seen()[1].text));
        QCOMPARE(boxes.seen()[1].title, QStringLiteral("8002"));
        QVERIFY(!rig.link.comm().isOpen());
        QCOMPARE(rig.window.cursor().shape(), Qt::ArrowCursor);
    }

    void bufferNeverFilledFailsAfterOpening()
    {
        Rig rig;
        ModalAnswerer boxes;
        boxes.pressOk().pressOk();
        QVERIFY(!rig.link.Array_Print(std::nullopt));
        rig.link.setSerialMode(false);
        QVERIFY(!rig.link.Array_Print(std::nullopt));
        QCOMPARE(boxes.seen().size(), 2);
        for (const auto &box : boxes.seen()) {
            QVERIFY(box.text.startsWith("Error: Subscript out of range"));
            QCOMPARE(box.title, QStringLiteral("9"));
        }
        QVERIFY(!rig.link.comm().isOpen());
    }

    void parallelFailuresShowTheirMessages()
    {
        Rig rig;
        rig.link.setSerialMode(false);
        rig.link.portNames().redirect("LPT2", rig.dir.filePath("no/such/device"));
        rig.link.setParallelPortName("LPT2");
        ModalAnswerer boxes;
        boxes.pressOk().pressOk();
        QVERIFY(!rig.link.String_Print("!L\r\n"));
        QVERIFY(!rig.link.Array_Print(QByteArray("x")));
        QCOMPARE(boxes.seen()[0].text, QStringLiteral("Error Opening LPT2 For String Send"));
        QCOMPARE(boxes.seen()[0].title, QStringLiteral("SLptString"));
        QVERIFY(boxes.seen()[1].text.startsWith("Error: File not found"));
        QCOMPARE(boxes.seen()[1].title, QStringLiteral("53"));
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
