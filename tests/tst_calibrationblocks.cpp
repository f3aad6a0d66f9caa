// The exact bytes of the calibration blocks and the test labels.
#include "common/MakerContact.h"
#include "printer/CalibrationBlocks.h"
#include "printer/TestLabels.h"
#include "support/TestMain.h"

using namespace CalibrationBlocks;

class TestCalibrationBlocks : public QObject
{
    Q_OBJECT

    static QByteArray address() { return QByteArray(MakerContact::hostName).toUpper(); }

private slots:
    void settingsBlockForEveryChoice_data()
    {
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("print");
        QTest::addColumn<QString>("ribbon");
        QTest::addColumn<QByteArray>("expected");
        // Direct thermal, and any print type but "TT", ignore the ribbon.
        const char *rows[][3] = {
            {"DT", "WAX", "0"},
            {"DT", "WAX/RESIN COMBO", "0"},
            {"DT", "PREMIUM RESIN", "0"},
            {"DT", "wax", "0"},
            {"DT", "", "0"},
            {"TT", "WAX", "2"},
            {"TT", "WAX/RESIN COMBO", "3"},
            {"TT", "PREMIUM RESIN", "3"},
            {"TT", "premium resin", "0"},
            {"tt", "WAX", "0"},
        };
        for (const char *index : {"GAP", "BAR"}) {
            for (const auto &[print, ribbon, setting] : rows)
                QTest::addRow("%s %s %s", index, print, ribbon)
                    << index << print << ribbon
                    << QByteArray("! 0 0 0 0\r\nV INDEX SETTING ") + setting + "\r\nV FEED_TYPE " +
                           index + "\r\nV WRITE\r\nEND";
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

    void calibrateBlockExactBytes()
    {
        QCOMPARE(calibrateBlock().toLatin1(),
                 QByteArray("! 0 0 0 0\r\nV INDEX SETTING CALIBRATE\r\nV WRITE\r\nEND"));
    }

    void fourByThreeLabelExactBytes()
    {
        QCOMPARE(TestLabels::fourByThree().toLatin1(),
                 "! 0 100 600 1\r\nW 416\r\nP 200\r\nT 3 200 60 4X3 TEST LABEL\r\n"
                 "T 3 100 100 VARIMONDE PRINTER FAMILY\r\nF 0 10 1000 200\r\n"
                 "T 2 20 270 -EASY TO USE\r\nT 2 20 300 -RELIABLE PRINTING\r\n"
                 "T 2 20 330 -STURDY CONSTRUCTION\r\nT 2 20 360 -INNOVATIVE DESIGN\r\n"
                 "D 10 250 400 160 3\r\nT 2 450 270 VISIT US ON THE WEB:\r\n"
                 "U B40(4,0,0) 440 330 " +
                     address() + "\r\nB 128(3:4) 60 575 75 " + address() + "\r\nEND");
    }

    void twoPointFourByOneLabelExactBytes()
    {
        QCOMPARE(TestLabels::twoPointFourByOne().toLatin1(),
                 "! 0 100 200 1\r\nW 224\r\nP 200\r\nU A30 (4,0,0) 100 40 VARIMONDE FAMILY\r\n"
                 "U A30 (4,0,0) 140 80 OF PRINTERS\r\nF 10 10 1000 110\r\n"
                 "B 128(2:3) 10 190 40 " +
                     address() + "\r\nEnd");
    }
};

VARIMONDE_TEST_MAIN(TestCalibrationBlocks)
#include "tst_calibrationblocks.moc"
