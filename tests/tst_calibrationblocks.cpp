// The exact bytes of the calibration blocks and the test labels.
#include "app/MakerContact.h"
#include "calibration/CalibrationBlocks.h"
#include "calibration/TestLabels.h"
#include "support/TestMain.h"

#include <QUrl>

using namespace CalibrationBlocks;

class TestCalibrationBlocks : public QObject
{
    Q_OBJECT

    static QString address() { return QString::fromLatin1(MakerContact::hostName).toUpper(); }

private slots:
    void settingsBlockForEveryChoice_data()
    {
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("print");
        QTest::addColumn<QString>("ribbon");
        QTest::addColumn<QByteArray>("expected");

        const QByteArray head = "! 0 0 0 0\r\nV INDEX SETTING ";
        for (const char *index : {"GAP", "BAR"}) {
            const QByteArray tail = QByteArray("\r\nV FEED_TYPE ") + index + "\r\nV WRITE\r\nEND";
            // Direct thermal ignores the ribbon, whatever it holds.
            for (const char *ribbon : {"WAX", "WAX/RESIN COMBO", "PREMIUM RESIN", "wax", ""}) {
                QTest::addRow("%s DT %s", index, ribbon)
                    << index << "DT" << ribbon << head + "0" + tail;
            }
            QTest::addRow("%s TT WAX", index) << index << "TT"
                                              << "WAX" << head + "2" + tail;
            QTest::addRow("%s TT WAX/RESIN COMBO", index) << index << "TT"
                                                          << "WAX/RESIN COMBO" << head + "3" + tail;
            QTest::addRow("%s TT PREMIUM RESIN", index) << index << "TT"
                                                        << "PREMIUM RESIN" << head + "3" + tail;
            QTest::addRow("%s TT unknown ribbon", index) << index << "TT"
                                                         << "premium resin" << head + "0" + tail;
            QTest::addRow("%s tt", index) << index << "tt"
                                          << "WAX" << head + "0" + tail;
        }
    }
    void settingsBlockForEveryChoice()
    {
        QFETCH(QString, index);
        QFETCH(QString, print);
        QFETCH(QString, ribbon);
        QFETCH(QByteArray, expected);
        QCOMPARE(settingsBlock(index, print, ribbon).toLatin1(), expected);
    }

    void blocksHaveTheirDocumentedLengths()
    {
        QCOMPARE(settingsBlock("BAR", "TT", "PREMIUM RESIN").size(), 59);
        QCOMPARE(calibrateBlock().toLatin1(),
                 QByteArray("! 0 0 0 0\r\nV INDEX SETTING CALIBRATE\r\nV WRITE\r\nEND"));
        QCOMPARE(calibrateBlock().size(), 50);
    }

    void fourByThreeLabelExactBytes()
    {
        const QString expected = QStringLiteral("! 0 100 600 1\r\n"
                                                "W 416\r\n"
                                                "P 200\r\n"
                                                "T 3 200 60 4X3 TEST LABEL\r\n"
                                                "T 3 100 100 VARIMONDE PRINTER FAMILY\r\n"
                                                "F 0 10 1000 200\r\n"
                                                "T 2 20 270 -EASY TO USE\r\n"
                                                "T 2 20 300 -RELIABLE PRINTING\r\n"
                                                "T 2 20 330 -STURDY CONSTRUCTION\r\n"
                                                "T 2 20 360 -INNOVATIVE DESIGN\r\n"
                                                "D 10 250 400 160 3\r\n"
                                                "T 2 450 270 VISIT US ON THE WEB:\r\n"
                                                "U B40(4,0,0) 440 330 ") +
                                 address() + "\r\nB 128(3:4) 60 575 75 " + address() + "\r\nEND";
        QCOMPARE(TestLabels::fourByThree().toLatin1(), expected.toLatin1());
    }

    void twoPointFourByOneLabelExactBytes()
    {
        const QString expected = QStringLiteral("! 0 100 200 1\r\n"
                                                "W 224\r\n"
                                                "P 200\r\n"
                                                "U A30 (4,0,0) 100 40 VARIMONDE FAMILY\r\n"
                                                "U A30 (4,0,0) 140 80 OF PRINTERS\r\n"
                                                "F 10 10 1000 110\r\n"
                                                "B 128(2:3) 10 190 40 ") +
                                 address() + "\r\nEnd";
        QCOMPARE(TestLabels::twoPointFourByOne().toLatin1(), expected.toLatin1());
    }

    void labelsPrintTheAddressTheAboutPageOpens()
    {
        const QUrl web(MakerContact::webUrl());
        QCOMPARE(web.host(), QString::fromLatin1(MakerContact::hostName));
        QCOMPARE(web.scheme(), QStringLiteral("https"));
        QCOMPARE(QUrl(MakerContact::mailUrl()).scheme(), QStringLiteral("mailto"));
        QCOMPARE(QUrl(MakerContact::mailUrl()).path(),
                 QString::fromLatin1(MakerContact::supportEmail));
        // The address must reach the printer unchanged as Latin-1.
        QCOMPARE(QString::fromLatin1(address().toLatin1()), address());
    }
};

VARIMONDE_TEST_MAIN(TestCalibrationBlocks)
#include "tst_calibrationblocks.moc"
