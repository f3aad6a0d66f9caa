// The byte form of a profile record, and reading damaged files safely.
#include "profile/ProfileRecord.h"
#include "support/TestMain.h"

#include <QRandomGenerator>

class TestProfileRecord : public QObject
{
    Q_OBJECT

    static ProfileRecord example()
    {
        ProfileRecord record;
        record.DarkEnable = 1;
        record.Darkness = 12;
        record.WidthEnable = 0;
        record.Width = "416";
        record.PrintSpeedEnable = 1;
        record.PrintSpeed = "NORMAL";
        record.EmulationEnable = 0;
        record.EmulationOff = 0;
        record.Scaler = 100;
        record.TextBufferEnable = 1;
        record.MainBuffer = 4096;
        record.OverflowBuffer = 2048;
        record.PrintModeEnable = 1;
        record.PrintMode = "DT";
        return record;
    }

    static QByteArray encoded(const ProfileRecord &record)
    {
        const auto bytes = ProfileCodec::encode(record);
        return std::get<QByteArray>(bytes);
    }

private slots:
    void exampleEncodesToItsExactBytes()
    {
        const QByteArray expected = QByteArray::fromHex(
            "01000C0000000300343136010006004E4F524D414C000000006400010000100000000800000100020044"
            "54");
        QCOMPARE(expected.size(), 43);
        QCOMPARE(encoded(example()), expected);
        QCOMPARE(std::get<ProfileRecord>(ProfileCodec::decode(expected)), example());
    }

    void negativeAndWideValuesRoundTrip()
    {
        ProfileRecord record = example();
        record.Darkness = -20;
        record.DarkEnable = 2; // a grayed check box state is carried as it is
        record.MainBuffer = 65536;
        record.OverflowBuffer = -1;
        record.Scaler = std::numeric_limits<std::int16_t>::min();
        record.Width = " 3.5";
        const QByteArray bytes = encoded(record);
        QCOMPARE(bytes.mid(2, 2), QByteArray::fromHex("ECFF"));
        QCOMPARE(std::get<ProfileRecord>(ProfileCodec::decode(bytes)), record);
    }

    void recordMustFitItsSlot_data()
    {
        QTest::addColumn<int>("textBytes");
        QTest::addColumn<bool>("fits");
        QTest::newRow("empty texts") << 0 << true;
        QTest::newRow("exactly 128") << 96 << true;
        QTest::newRow("129") << 97 << false;
        QTest::newRow("far too long") << 5000 << false;
    }
    void recordMustFitItsSlot()
    {
        QFETCH(int, textBytes);
        QFETCH(bool, fits);
        ProfileRecord record;
        record.Width = QString(textBytes / 2, 'W');
        record.PrintMode = QString(textBytes - textBytes / 2, 'M');
        const auto bytes = ProfileCodec::encode(record);
        QCOMPARE(std::holds_alternative<QByteArray>(bytes), fits);
        if (fits) {
            QCOMPARE(std::get<QByteArray>(bytes).size(), ProfileCodec::fixedSize + textBytes);
            QCOMPARE(std::get<ProfileRecord>(ProfileCodec::decode(std::get<QByteArray>(bytes))),
                     record);
        } else {
            QCOMPARE(std::get<Failure>(bytes).code, int(FailureCode::BadRecordLength));
        }
    }

    void bytesAfterTheRecordAreIgnored()
    {
        const QByteArray file = encoded(example()) + QByteArray(200, char(0xEE));
        QCOMPARE(std::get<ProfileRecord>(ProfileCodec::decode(file)), example());
    }

    void cutOffFilesAreRefused()
    {
        const QByteArray whole = encoded(example());
        for (int size = 0; size < whole.size(); ++size) {
            const auto decoded = ProfileCodec::decode(whole.left(size));
            QVERIFY2(std::holds_alternative<Failure>(decoded), qPrintable(QString::number(size)));
            QCOMPARE(std::get<Failure>(decoded).code, int(FailureCode::InputPastEndOfFile));
        }
    }

    void countReachingPastTheSlotIsRefused()
    {
        QByteArray file = encoded(example()) + QByteArray(300, 'x');
        file[6] = char(0xFF); // the width's count: 0x7FFF bytes
        file[7] = char(0x7F);
        const auto decoded = ProfileCodec::decode(file);
        QCOMPARE(std::get<Failure>(decoded).code, int(FailureCode::BadRecordLength));

        // A count that just fits the slot is read, even if it swallows fields.
        QByteArray edge(128, 0);
        edge[6] = char(120);
        QVERIFY(std::holds_alternative<Failure>(ProfileCodec::decode(edge)));
    }

    void randomFilesNeverReadOutOfBounds()
    {
        QRandomGenerator random(20261206);
        for (int round = 0; round < 5000; ++round) {
            QByteArray data(int(random.bounded(160)), Qt::Uninitialized);
            for (char &byte : data)
                byte = char(random.bounded(256));
            // Small counts make whole records likely.
            if (data.size() > 7 && random.bounded(2))
                data[7] = 0;
            const auto decoded = ProfileCodec::decode(data);
            if (const auto *record = std::get_if<ProfileRecord>(&decoded)) {
                const QByteArray again = encoded(*record);
                QCOMPARE(again, data.left(again.size()));
            }
        }
    }
};

VARIMONDE_TEST_MAIN(TestProfileRecord)
#include "tst_profilerecord.moc"
