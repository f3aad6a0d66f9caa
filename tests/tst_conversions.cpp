// The program's own readings of text: typed numbers, file-dialog filters,
// the byte form of a profile record, and the send log's record of bytes.
#include "common/NumberText.h"
#include "common/SendLog.h"
#include "profile/ProfileRecord.h"
#include "support/TestMain.h"
#include "ui/CommonDialog.h"

namespace
{

// A converted value as text, or the number of the failure that refused it.
template <typename T> QString shown(const NumberText::Converted<T> &converted)
{
    if (const Failure *failure = std::get_if<Failure>(&converted))
        return "error " + failure->codeText();
    return QString::number(std::get<T>(converted), 'g', 12);
}

} // namespace

class TestConversions : public QObject
{
    Q_OBJECT

    // DarkEnable, Darkness, WidthEnable, Width, PrintSpeedEnable, PrintSpeed,
    // EmulationEnable, EmulationOff, Scaler, TextBufferEnable, MainBuffer,
    // OverflowBuffer, PrintModeEnable, PrintMode.
    const ProfileRecord example{2, -20, 0, "416", 1, "NORMAL", 1, 3, 100, 1, 65536, -1, 1, "DT"};

    // What encoding `record`, cutting or patching its bytes, and decoding them gives.
    static QString outcome(const ProfileRecord &record, int cutTo, int widthCount)
    {
        const auto encoded = ProfileCodec::encode(record);
        if (const Failure *failure = std::get_if<Failure>(&encoded))
            return "encode " + failure->codeText();
        QByteArray bytes = std::get<QByteArray>(encoded);
        if (bytes.size() != ProfileCodec::fixedSize + record.Width.size() + record.PrintMode.size())
            return "encoded size " + QString::number(bytes.size());
        if (cutTo >= 0)
            bytes.truncate(cutTo);
        else
            bytes.append(QByteArray(ProfileCodec::slotSize - bytes.size(), 'x'));
        if (widthCount >= 0) {
            bytes[6] = char(widthCount & 0xFF);
            bytes[7] = char(widthCount >> 8);
        }
        const auto decoded = ProfileCodec::decode(bytes);
        if (const Failure *failure = std::get_if<Failure>(&decoded))
            return "decode " + failure->codeText();
        if (!(std::get<ProfileRecord>(decoded) == record))
            return "decoded another record";
        return QString::number(bytes.size()) + " bytes";
    }

private slots:
    // A send is kept whole up to its limit, else both its ends; parts of
    // one send are kept as one stream, dumped with their offsets in it.
    void sendLogKeepsBothEnds_data()
    {
        QTest::addColumn<QList<int>>("parts");
        QTest::addColumn<QString>("lastLine"); // how the dump ends
        QTest::newRow("command block") << QList<int>{4} << "00000000  00 01 02 03    ";
        QTest::newRow("at the limit") << QList<int>{1000, 24} << "000003f0  f0 f1 f2";
        QTest::newRow("header, file, end") << QList<int>{20, 5000, 3} << "0000138f  8f 90 91";
    }
    void sendLogKeepsBothEnds()
    {
        QFETCH(QList<int>, parts);
        QFETCH(QString, lastLine);
        SendLog::Entry entry;
        QByteArray all;
        for (int size : parts) {
            QByteArray part;
            for (int i = 0; i < size; ++i)
                part += char(all.size() + i);
            entry.append(part);
            all += part;
        }
        SendLog log;
        log.add(entry);
        const QStringList lines = SendLog::dump(log.entry(0)).split('\n', Qt::SkipEmptyParts);
        QVERIFY(lines.first().startsWith("00000000  00 01 02 03 "));
        QVERIFY2(lines.last().startsWith(lastLine), qPrintable(lines.last()));
        const bool whole = all.size() <= SendLog::wholeLimit;
        QCOMPARE(lines.size(), whole ? (all.size() + 15) / 16 : 16 + 1 + 16);
        if (!whole)
            QCOMPARE(lines[16], "... 4,511 bytes not kept ...");
        QCOMPARE(log.entry(0).head, all.left(whole ? all.size() : SendLog::edge));
        QCOMPARE(log.entry(0).tail, whole ? QByteArray() : all.right(SendLog::edge));
    }
    // However many sends, the newest thousand stay, holding both ends of each.
    void sendLogStaysBounded()
    {
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
        QVERIFY2(log.keptBytes() <= 1000 * 2 * (SendLog::edge + 64),
                 qPrintable(QString::number(log.keptBytes())));
    }

    void numbers_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        const char *rows[][3] = {
            {"double", " 3.5 ", "3.5"},
            {"double", "-1.", "-1"},
            {"double", ".5e1", "5"},
            {"double", "+2E-1", "0.2"},
            {"double", "1e999", "error 6"},
            {"double", "", "error 13"},
            {"double", "abc", "error 13"},
            {"double", "0x10", "error 13"},
            {"double", "1,000", "error 13"},
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
            {"int32", "-2147483648", "-2147483648"},
            {"int32", "-2147483649", "error 6"},
            {"int32", "0.5", "0"},
            {"int32", "1.5", "2"},
            {"int32", "1e999", "error 6"},
        };
        for (const auto &row : rows)
            QTest::addRow("%s %s", row[0], row[1]) << row[0] << row[1] << row[2];
    }
    void numbers()
    {
        QFETCH(QString, type);
        QFETCH(QString, text);
        QFETCH(QString, result);
        if (type == "double")
            QCOMPARE(shown(NumberText::toDouble(text)), result);
        else if (type == "int16")
            QCOMPARE(shown(NumberText::toInt16(text)), result);
        else
            QCOMPARE(shown(NumberText::toInt32(text)), result);
    }

    void fileFilters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("expected");
        const char *rows[][3] = {
            {"two patterns", "Pictures (*.bmp;*.pcx)|*.bmp;*.pcx", "Pictures (*.bmp *.pcx)"},
            {"two entries", "Text Files(*.txt)|*.txt|All Files(*.*)|*.*",
             "Text Files (*.txt);;All Files (*)"},
            {"empty", "", ""},
            {"trailing bar", "All Files(*.*)|*.*|", "All Files (*)"},
            {"no pattern", "Text Files", ""},
            {"empty pattern", "Text Files|", "Text Files (*)"},
            {"stray separators", "Pictures|*.bmp; ;*.pcx;", "Pictures (*.bmp *.pcx)"},
            {"brackets inside", "Labels (old) v2|*.lbl", "Labels old v2 (*.lbl)"},
            {"double semicolon", "A;;B|*.a", "A;B (*.a)"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString(row[1]) << QString(row[2]);
    }
    void fileFilters()
    {
        QFETCH(QString, filter);
        QFETCH(QString, expected);
        QCOMPARE(CommonDialog::toQtFilter(filter), expected);
    }

    void profileRecordBytes()
    {
        const QByteArray bytes = QByteArray::fromHex("0200ECFF0000030034313601000600"
                                                     "4E4F524D414C0100030064000100000001"
                                                     "00FFFFFFFF01000200"
                                                     "4454");
        const auto encoded = ProfileCodec::encode(example);
        QCOMPARE(std::get<QByteArray>(encoded).toHex(), bytes.toHex());
        // Bytes after the record, as in a whole 128-byte slot, are ignored.
        QCOMPARE(std::get<ProfileRecord>(ProfileCodec::decode(bytes + QByteArray(100, 'x'))),
                 example);
    }

    // Refused: texts too long for the slot (59), a file that ends inside the
    // record (62), a text count that reaches past the slot (59).
    void profileRecordLimits_data()
    {
        QTest::addColumn<int>("textBytes");  // width and print mode together
        QTest::addColumn<int>("cutTo");      // bytes of the record kept, -1 all
        QTest::addColumn<int>("widthCount"); // patched in, -1 as encoded
        QTest::addColumn<QString>("result");
        QTest::newRow("96 text bytes fit") << 96 << -1 << -1 << "128 bytes";
        QTest::newRow("97 text bytes") << 97 << -1 << -1 << "encode 59";
        QTest::newRow("empty file") << 0 << 0 << -1 << "decode 62";
        QTest::newRow("one byte short") << 0 << 31 << -1 << "decode 62";
        QTest::newRow("text short") << 10 << 41 << -1 << "decode 62";
        QTest::newRow("count past the slot") << 0 << -1 << 0x7FFF << "decode 59";
        QTest::newRow("count pushes fields out") << 0 << -1 << 120 << "decode 59";
    }
    void profileRecordLimits()
    {
        QFETCH(int, textBytes);
        QFETCH(int, cutTo);
        QFETCH(int, widthCount);
        QFETCH(QString, result);
        ProfileRecord record;
        record.Width = QString(textBytes / 2, 'W');
        record.PrintMode = QString(textBytes - textBytes / 2, 'M');
        QCOMPARE(outcome(record, cutTo, widthCount), result);
    }
};

VARIMONDE_TEST_MAIN(TestConversions)
#include "tst_conversions.moc"
