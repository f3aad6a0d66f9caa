// The program's texts: command blocks byte for byte as the printer reads
// them, and its own readings of typed numbers, file-dialog filters and the
// byte form of a profile record.
#include "common/NumberText.h"
#include "common/SendLog.h"
#include "common/Wording.h"
#include "printer/CalibrationBlocks.h"
#include "printer/ConfigBlock.h"
#include "printer/FormatLines.h"
#include "printer/StorageCommands.h"
#include "printer/TestLabels.h"
#include "profile/ProfileRecord.h"
#include "support/Pictures.h"
#include "support/TestMain.h"
#include "ui/CommonDialog.h"

#include <functional>

namespace
{

// A result as text: "error N" when a failure refused it, else the number,
// or "taken".
template <typename T> QString shown(const std::variant<T, Failure> &result)
{
    if (const Failure *failure = std::get_if<Failure>(&result))
        return "error " + failure->codeText();
    if constexpr (std::is_arithmetic_v<T>)
        return QString::number(std::get<T>(result), 'g', 12);
    return QStringLiteral("taken");
}

// A format file as the printer gets it: stored as `storedAs`, if given.
QString printerText(QByteArray file, const QString &storedAs = {})
{
    FormatLines::toPrinterText(file);
    if (!storedAs.isEmpty())
        StorageCommands::formatStore(storedAs, file);
    return QString::fromLatin1(file);
}

// A text the code under test makes when the row runs.
using Text = std::function<QString()>;

} // namespace

Q_DECLARE_METATYPE(Text)

// A row of a table of texts: what `expression` makes, run in the test.
#define MADE(name, expression) QTest::newRow(name) << Text([=] { return QString(expression); })

class TestTexts : public QObject
{
    Q_OBJECT

    // DarkEnable, Darkness, WidthEnable, Width, PrintSpeedEnable, PrintSpeed,
    // EmulationEnable, EmulationOff, Scaler, TextBufferEnable, MainBuffer,
    // OverflowBuffer, PrintModeEnable, PrintMode.
    const ProfileRecord example{2, -20, 0, "416", 1, "NORMAL", 1, 3, 100, 1, 65536, -1, 1, "DT"};

private slots:
    // A send is kept whole up to its limit, else both its ends; parts of
    // one send are kept as one stream, dumped with their offsets in it.
    void sendLogKeepsBothEnds()
    {
        // The parts of a send, and how its dump ends.
        const std::pair<QList<int>, QString> rows[] = {{{4}, "00000000  00 01 02 03    "},
                                                       {{1000, 24}, "000003f0  f0 f1 f2"},
                                                       {{20, 5000, 3}, "0000138f  8f 90 91"}};
        for (const auto &[parts, lastLine] : rows) {
            SendLog::Entry entry;
            QByteArray all;
            for (int size : parts) {
                for (int i = 0; i < size; ++i)
                    all += char(all.size());
                entry.append(all.right(size));
            }
            SendLog log;
            log.add(entry);
            const QStringList lines = SendLog::dump(log.entry(0)).split('\n', Qt::SkipEmptyParts);
            QVERIFY2(lines.last().startsWith(lastLine), qPrintable(lines.last()));
            const bool whole = all.size() <= 1024; // else the first and last 256 bytes
            QCOMPARE(lines.size(), whole ? (all.size() + 15) / 16 : 16 + 1 + 16);
            if (!whole)
                QCOMPARE(lines[16], "... 4,511 bytes not kept ...");
            QCOMPARE(log.entry(0).head, all.left(whole ? all.size() : 256));
            QCOMPARE(log.entry(0).tail, whole ? QByteArray() : all.right(256));
        }
        // However many sends, the newest thousand stay, holding both ends
        // of each.
        SendLog log;
        const QByteArray payload(64 * 1024, 'p');
        for (int send = 1; send <= 2000; ++send) {
            SendLog::Entry entry;
            entry.what = QString::number(send);
            entry.append(payload);
            log.add(entry);
        }
        QCOMPARE(log.rowCount(), 1000);
        QCOMPARE(log.entry(0).what, "1001");
        QCOMPARE_LE(log.keptBytes(), 1000 * 2 * (256 + 64));
    }

    void exactBytes_data()
    {
        QTest::addColumn<Text>("make");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray head = "! 0 0 0 0\r\n", tail = "VARIABLE WRITE\r\nEND";
        // Each switch and its values, as ConfigValues lists them; grayed
        // counts as on.
        constexpr SwitchState on = SwitchState::On, off = SwitchState::Off;
        const ConfigValues all{on, "-5", on, " 3.5",      on, off,  250,
                               on, "TT", on, "HIGHSPEED", on, 8192, 2048};
        const ConfigValues emulationOff{off, {}, off, {}, SwitchState::Grayed, on, 100};
        MADE("config, every switch off", ConfigBlock::build({})) << head + tail;
        MADE("config, every switch on", ConfigBlock::build(all))
            << head +
                   "VARIABLE DARKNESS -5\r\nVARIABLE WIDTH  3.5\r\nVARIABLE MODE 2 250\r\n"
                   "VARIABLE PRINT_MODE TT\r\nVARIABLE HIGHSPEED\r\nVARIABLE TXTBFR 8192 2048\r\n" +
                   tail;
        MADE("config, emulation off", ConfigBlock::build(emulationOff))
            << head + "VARIABLE MODE 0\r\n" + tail;

        // Thermal transfer with wax (2) and wax/resin (3), and the calibrate
        // block, are sent from the window's test.
        using namespace CalibrationBlocks;
        MADE("calibration, gap, direct", settingsBlock("GAP", "DT", "WAX"))
            << head + "V INDEX SETTING 0\r\nV FEED_TYPE GAP\r\nV WRITE\r\nEND";
        MADE("calibration, premium", indexSettingLine("TT", "PREMIUM RESIN"))
            << QByteArray("V INDEX SETTING 3");
        MADE("calibration, unknown ribbon", indexSettingLine("TT", "wax"))
            << QByteArray("V INDEX SETTING 0");

        using namespace StorageCommands;
        MADE("graphic store, bmp", graphicStoreHeader("BMP", "logo"))
            << head + "GRAPHIC STORE BMP 3 LOGO\r\n";
        // Capitals only where one byte holds them: y-diaeresis stays small.
        MADE("graphic store, pcx, accents", graphicStoreHeader("PCX", "l\u00FF\u00E9"))
            << head + "GRAPHIC STORE PCX 3 L\xFF\xC9\r\n";
        MADE("graphic store end", graphicStoreEnd()) << QByteArray("\r\n");
        // A format file's line ends at CR LF or a lone CR; a lone LF stays in
        // its line; every line goes out with CR LF. Stored, the first line
        // names the format and the header takes its place.
        MADE("format, empty", printerText({})) << QByteArray();
        MADE("format, crlf, cr, lf", printerText("a\r\nb\rc\nd"))
            << QByteArray("a\r\nb\r\nc\nd\r\n");
        MADE("format, ends at crlf", printerText("a\r\n\r\n")) << QByteArray("a\r\n\r\n");
        MADE("format, only CRs", printerText("\r\r")) << QByteArray("\r\n\r\n");
        MADE("format store", printerText("NAME\r\nA\r\n\rB", "Fmt"))
            << QByteArray("!S~ 3 F Fmt\r\n\r\nA\r\n\r\nB\r\n");
        MADE("recall image", graphicRecall("logo"))
            << QByteArray("! 0 100 500 1\r\nGRAPHIC RECALL LOGO 250 200 \r\nEND\r\n");
        MADE("recall format", formatRecall("fmt", 3)) << QByteArray("!R F FMT 0 100 A 3\r\n");
        // The test labels are the printers' own programs, to the byte.
        MADE("test label 4X3", TestLabels::fourByThree())
            << QByteArray("! 0 100 600 1\r\nW 416\r\nP 200\r\nT 3 200 60 4X3 TEST LABEL\r\n"
                          "T 3 100 100 VARIMONDE PRINTER FAMILY\r\nF 0 10 1000 200\r\n"
                          "T 2 20 270 -EASY TO USE\r\nT 2 20 300 -RELIABLE PRINTING\r\n"
                          "T 2 20 330 -STURDY CONSTRUCTION\r\nT 2 20 360 -INNOVATIVE DESIGN\r\n"
                          "D 10 250 400 160 3\r\nT 2 450 270 VISIT US ON THE WEB:\r\n"
                          "U B40(4,0,0) 440 330 WWW.VARIMONDE.COM\r\n"
                          "B 128(3:4) 60 575 75 WWW.VARIMONDE.COM\r\nEND");
        MADE("test label 2.4X1", TestLabels::twoPointFourByOne())
            << QByteArray("! 0 100 200 1\r\nW 224\r\nP 200\r\n"
                          "U A30 (4,0,0) 100 40 VARIMONDE FAMILY\r\n"
                          "U A30 (4,0,0) 140 80 OF PRINTERS\r\nF 10 10 1000 110\r\n"
                          "B 128(2:3) 10 190 40 WWW.VARIMONDE.COM\r\nEnd");
        MADE("delete, as typed", deleteObject("logo")) << QByteArray("!D logo\r\n");

        // What the program reads in typed numbers ("error N": refused with that
        // code), and in file-dialog filters.
        const char *rows[][3] = {
            {"double", " 3.5 ", "3.5"},
            {"double", "-1.", "-1"},
            {"double", ".5e1", "5"},
            {"double", "+2E-1", "0.2"},
            {"double", "1e999", "error 6"},
            {"double", "", "error 13"},
            {"double", "0x10", "error 13"},
            {"double", "inf", "error 13"},
            {"double", "1 2", "error 13"},
            {"int16", "2.5", "2"},
            {"int16", "3.5", "4"},
            {"int16", "-2.5", "-2"},
            {"int16", "32767.4", "32767"},
            {"int16", "32767.5", "error 6"},
            {"int16", "-32768.5", "-32768"},
            {"int16", "-32769", "error 6"},
            {"int16", "x", "error 13"},
            {"int32", "2147483647", "2147483647"},
            {"int32", "2147483648", "error 6"},
            {"filter", "Pictures (*.bmp;*.pcx)|*.bmp;*.pcx", "Pictures (*.bmp *.pcx)"},
            {"filter", "Text Files(*.txt)|*.txt|All Files(*.*)|*.*",
             "Text Files (*.txt);;All Files (*)"},
            {"filter", "", ""},
            {"filter", "All Files(*.*)|*.*|", "All Files (*)"},
            {"filter", "Text Files", ""},
            {"filter", "Text Files|", "Text Files (*)"},
            {"filter", "Pictures|*.bmp; ;*.pcx;", "Pictures (*.bmp *.pcx)"},
            {"filter", "Labels (old) v2|*.lbl", "Labels old v2 (*.lbl)"},
            {"filter", "A;;B|*.a", "A;B (*.a)"},
        };
        // A failure's words filled once: a host or path holding "%2" is
        // not a place to fill, and a cause within a cause is filled too.
        const Wording cause = Wording::of("%1 cannot be reached: %2", {QString("h%2st"), {"%1"}});
        MADE("failure, values holding places", cause.english()) << QByteArray("h%2st cannot be "
                                                                              "reached: %1");
        MADE("failure within a failure", Wording::of("%1: %2", {{"--list"}, cause}).shown())
            << QByteArray("--list: h%2st cannot be reached: %1");
        MADE("failure, a place left unfilled", Wording::of("%1 of %2", {{"5"}}).english())
            << QByteArray("5 of %2");
        for (const auto &row : rows) {
            const QString kind = row[0], text = row[1];
            QTest::addRow("%s %s", row[0], row[1]) << Text([kind, text] {
                return kind == "double"  ? shown(NumberText::toDouble(text))
                       : kind == "int16" ? shown(NumberText::toInt16(text))
                       : kind == "int32" ? shown(NumberText::toInt32(text))
                                         : CommonDialog::toQtFilter(text);
            }) << QByteArray(row[2]);
        }
    }
    void exactBytes()
    {
        QFETCH(Text, make);
        QTEST(make().toLatin1(), "bytes");
    }

    void profileRecordBytes()
    {
        const QByteArray bytes = QByteArray::fromHex("0200ECFF00000300343136010006004E4F524D414C010"
                                                     "003006400010000000100FFFFFFFF010002004454");
        QCOMPARE(std::get<QByteArray>(ProfileCodec::encode(example)).toHex(), bytes.toHex());
        // Bytes after the record, as in a whole 128-byte slot, are ignored.
        const QByteArray slot = bytes.leftJustified(ProfileCodec::slotSize, 'x');
        QCOMPARE(std::get<ProfileRecord>(ProfileCodec::decode(slot)), example);
        // Refused: a file that ends inside the last text or inside its count
        // (62), a text count that pushes later fields past the slot (59).
        QCOMPARE(shown(ProfileCodec::decode(bytes.chopped(1))), "error 62");
        QCOMPARE(shown(ProfileCodec::decode(bytes.chopped(3))), "error 62");
        QByteArray pushed = slot;
        Pictures::put(pushed, 6, 2, 120); // the width's length
        QCOMPARE(shown(ProfileCodec::decode(pushed)), "error 59");
        // Texts fill the slot to its last byte, and no further.
        ProfileRecord longest = example;
        longest.Width = QString(ProfileCodec::slotSize - bytes.size() + 3, 'W');
        const auto full = ProfileCodec::encode(longest);
        QCOMPARE(shown(full), "taken");
        QCOMPARE(std::get<QByteArray>(full).size(), ProfileCodec::slotSize);
        QCOMPARE(std::get<ProfileRecord>(ProfileCodec::decode(std::get<QByteArray>(full))),
                 longest);
        longest.Width += 'W';
        QCOMPARE(shown(ProfileCodec::encode(longest)), "error 59");
    }
};

VARIMONDE_TEST_MAIN(TestTexts)
#include "tst_texts.moc"
