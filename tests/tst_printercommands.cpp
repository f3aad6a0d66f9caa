// The command texts, byte for byte, as the printer reads them.
#include "common/MakerContact.h"
#include "printer/CalibrationBlocks.h"
#include "printer/ConfigBlock.h"
#include "printer/FormatLines.h"
#include "printer/StorageCommands.h"
#include "printer/TestLabels.h"
#include "support/TestMain.h"

class TestPrinterCommands : public QObject
{
    Q_OBJECT

private slots:
    void exactBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray head = "! 0 0 0 0\r\n", tail = "VARIABLE WRITE\r\nEND";
        ConfigValues all;
        all.darknessSwitch = all.widthSwitch = all.emulationSwitch = all.printModeSwitch =
            all.printSpeedSwitch = all.textBufferSwitch = SwitchState::On;
        all.darkness = "-5";
        all.width = " 3.5";
        all.scaler = 250;
        all.printMode = "TT";
        all.printSpeed = "HIGHSPEED";
        all.mainBuffer = 8192;
        all.overflowBuffer = 2048;
        ConfigValues emulationOff;
        emulationOff.emulationSwitch = SwitchState::Grayed; // grayed counts as on
        emulationOff.emulationOff = SwitchState::On;
        emulationOff.scaler = 100;
        QTest::newRow("config, every switch off") << ConfigBlock::build({}) << head + tail;
        QTest::newRow("config, every switch on")
            << ConfigBlock::build(all)
            << head +
                   "VARIABLE DARKNESS -5\r\nVARIABLE WIDTH  3.5\r\nVARIABLE MODE 2 250\r\n"
                   "VARIABLE PRINT_MODE TT\r\nVARIABLE HIGHSPEED\r\nVARIABLE TXTBFR 8192 2048\r\n" +
                   tail;
        QTest::newRow("config, emulation off")
            << ConfigBlock::build(emulationOff) << head + "VARIABLE MODE 0\r\n" + tail;

        using namespace CalibrationBlocks;
        QTest::newRow("calibration, gap, direct")
            << settingsBlock("GAP", "DT", "WAX")
            << head + "V INDEX SETTING 0\r\nV FEED_TYPE GAP\r\nV WRITE\r\nEND";
        QTest::newRow("calibration, bar, wax")
            << settingsBlock("BAR", "TT", "WAX")
            << head + "V INDEX SETTING 2\r\nV FEED_TYPE BAR\r\nV WRITE\r\nEND";
        QTest::newRow("calibration, combo")
            << indexSettingLine("TT", "WAX/RESIN COMBO") << QByteArray("V INDEX SETTING 3");
        QTest::newRow("calibration, premium")
            << indexSettingLine("TT", "PREMIUM RESIN") << QByteArray("V INDEX SETTING 3");
        QTest::newRow("calibration, unknown ribbon")
            << indexSettingLine("TT", "wax") << QByteArray("V INDEX SETTING 0");
        QTest::newRow("calibrate")
            << calibrateBlock() << head + "V INDEX SETTING CALIBRATE\r\nV WRITE\r\nEND";

        using namespace StorageCommands;
        QTest::newRow("graphic store, bmp")
            << graphicStoreHeader("BMP", "logo") << head + "GRAPHIC STORE BMP 3 LOGO\r\n";
        // Capitals only where one byte holds them: y-diaeresis stays small.
        QTest::newRow("graphic store, pcx, accents") << graphicStoreHeader("PCX", "l\u00FF\u00E9")
                                                     << head + "GRAPHIC STORE PCX 3 L\xFF\xC9\r\n";
        QTest::newRow("graphic store end") << graphicStoreEnd() << QByteArray("\r\n");
        const auto stored = [](const QString &identifier, QByteArray file) {
            FormatLines::toPrinterText(file);
            formatStore(identifier, file);
            return QString::fromLatin1(file);
        };
        // The first line names the format; the header takes its place.
        QTest::newRow("format store")
            << stored("Fmt", "NAME\r\nA\r\n\rB") << QByteArray("!S~ 3 F Fmt\r\n\r\nA\r\n\r\nB\r\n");
        QTest::newRow("recall image") << graphicRecall("logo")
                                      << QByteArray("! 0 100 500 1\r\nGRAPHIC RECALL LOGO 250 "
                                                    "200 \r\nEND\r\n");
        QTest::newRow("recall format")
            << formatRecall("fmt", 3) << QByteArray("!R F FMT 0 100 A 3\r\n");
        QTest::newRow("recall format, least quantity")
            << formatRecall("f", -32768) << QByteArray("!R F F 0 100 A -32768\r\n");
        QTest::newRow("delete, as typed") << deleteObject("logo") << QByteArray("!D logo\r\n");
        QTest::newRow("list") << listObjects() << QByteArray("!L\r\n");
    }
    void exactBytes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(text.toLatin1(), bytes);
    }

    // A line ends at CR LF or a lone CR; a lone LF stays in its line; every
    // line goes out with CR LF.
    void formatFileLines_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("crlf, cr, lf")
            << QByteArray("a\r\nb\rc\nd") << QByteArray("a\r\nb\r\nc\nd\r\n");
        QTest::newRow("ends at crlf") << QByteArray("a\r\n\r\n") << QByteArray("a\r\n\r\n");
        QTest::newRow("only CRs") << QByteArray("\r\r") << QByteArray("\r\n\r\n");
    }
    void formatFileLines()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, text);
        FormatLines::toPrinterText(file);
        QCOMPARE(file, text);
    }

    // The programs are the printers' own; what this program adds is the
    // header, the closing line and the maker's address.
    void testLabels_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("lines");
        QTest::newRow("4X3") << TestLabels::fourByThree() << "! 0 100 600 1"
                             << "END" << 15;
        QTest::newRow("2.4X1") << TestLabels::twoPointFourByOne() << "! 0 100 200 1"
                               << "End" << 8;
    }
    void testLabels()
    {
        QFETCH(QString, program);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(int, lines);
        const QStringList split = program.split("\r\n");
        QCOMPARE(split.size(), lines);
        QCOMPARE(program.count('\n'), lines - 1); // no line ends but CR LF
        QCOMPARE(split.first(), first);
        QCOMPARE(split.last(), last);
        // The barcode just before the end carries the address in capitals.
        QVERIFY(split[lines - 2].endsWith(' ' + QString(MakerContact::hostName).toUpper()));
    }
};

VARIMONDE_TEST_MAIN(TestPrinterCommands)
#include "tst_printercommands.moc"
