// The byte form of a profile record, and reading damaged files safely. Any
// file decoding without reading outside it is the fuzzer's part.
#include "profile/ProfileRecord.h"
#include "support/TestMain.h"

class TestProfileRecord : public QObject
{
    Q_OBJECT

    // DarkEnable, Darkness, WidthEnable, Width, PrintSpeedEnable, PrintSpeed,
    // EmulationEnable, EmulationOff, Scaler, TextBufferEnable, MainBuffer,
    // OverflowBuffer, PrintModeEnable, PrintMode.
    const ProfileRecord example{1, 12, 0, "416", 1, "NORMAL", 0, 0, 100, 1, 4096, 2048, 1, "DT"};

    static QByteArray encoded(const ProfileRecord &record)
    {
        return std::get<QByteArray>(ProfileCodec::encode(record));
    }
    static ProfileRecord decoded(const QByteArray &bytes)
    {
        return std::get<ProfileRecord>(ProfileCodec::decode(bytes));
    }

private slots:
    void exampleEncodesToItsExactBytes()
    {
        const QByteArray expected = QByteArray::fromHex(
            "01000C0000000300343136010006004E4F524D414C000000006400010000100000000800000100020044"
            "54");
        QCOMPARE(encoded(example), expected);
        // Bytes after the record are ignored.
        QCOMPARE(decoded(expected + QByteArray(200, char(0xEE))), example);
    }

    void negativeAndWideValuesRoundTrip()
    {
        // A grayed check box state is carried as it is.
        const ProfileRecord record{2, -20,       0, " 3.5", 1,  "NORMAL", 0,
                                   0, INT16_MIN, 1, 65536,  -1, 1,        "DT"};
        const QByteArray bytes = encoded(record);
        QCOMPARE(bytes.mid(2, 2), QByteArray::fromHex("ECFF"));
        QCOMPARE(decoded(bytes), record);
    }

    void recordMustFitItsSlot()
    {
        for (const auto &[textBytes, fits] :
             {std::pair(0, true), {96, true}, {97, false}, {5000, false}}) {
            ProfileRecord record;
            record.Width = QString(textBytes / 2, 'W');
            record.PrintMode = QString(textBytes - textBytes / 2, 'M');
            const auto bytes = ProfileCodec::encode(record);
            QCOMPARE(std::holds_alternative<QByteArray>(bytes), fits);
            if (fits) {
                QCOMPARE(std::get<QByteArray>(bytes).size(), ProfileCodec::fixedSize + textBytes);
                QCOMPARE(decoded(std::get<QByteArray>(bytes)), record);
            } else {
                QCOMPARE(std::get<Failure>(bytes).code, FailureCode::BadRecordLength);
            }
        }
    }

    void damagedFilesAreRefused()
    {
        const QByteArray whole = encoded(example);
        for (int size = 0; size < whole.size(); ++size) {
            const auto cut = ProfileCodec::decode(whole.left(size));
            QVERIFY2(std::holds_alternative<Failure>(cut), qPrintable(QString::number(size)));
            QCOMPARE(std::get<Failure>(cut).code, FailureCode::InputPastEndOfFile);
        }
        // The width's count, 0x7FFF bytes, reaches past the slot.
        QByteArray file = whole + QByteArray(300, 'x');
        file[6] = char(0xFF);
        file[7] = char(0x7F);
        QCOMPARE(std::get<Failure>(ProfileCodec::decode(file)).code, FailureCode::BadRecordLength);
        // A text that fits the slot, but pushes the fields after it out.
        QByteArray swallowing(128, 0);
        swallowing[6] = char(120);
        QCOMPARE(std::get<Failure>(ProfileCodec::decode(swallowing)).code,
                 FailureCode::BadRecordLength);
    }
};

VARIMONDE_TEST_MAIN(TestProfileRecord)
#include "tst_profilerecord.moc"
