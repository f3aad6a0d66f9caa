// How a label format file is cut into lines and passed on.
#include "storage/FormatLines.h"
#include "support/TestMain.h"

class TestFormatLines : public QObject
{
    Q_OBJECT

private slots:
    void split_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty file") << "" << QStringList();
        QTest::newRow("no line end") << "abc" << QStringList{"abc"};
        QTest::newRow("CR LF") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::newRow("lone CR") << "a\rb\r" << QStringList{"a", "b"};
        QTest::newRow("lone LF stays") << "a\nb\n" << QStringList{"a\nb\n"};
        QTest::newRow("LF CR is LF then a CR end") << "a\n\rb" << QStringList{"a\n", "b"};
        QTest::newRow("CR CR LF") << "a\r\r\nb" << QStringList{"a", "", "b"};
        QTest::newRow("empty lines") << "\r\n\r\n" << QStringList{"", ""};
        QTest::newRow("mixed, last unended")
            << "L1\r\nL2\rL3\nstill3\r\nlast" << QStringList{"L1", "L2", "L3\nstill3", "last"};
    }
    void split()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, lines);
        QCOMPARE(FormatLines::split(file), lines);
    }

    void everyLineEndsInCrLf()
    {
        QCOMPARE(FormatLines::withCrLf({}), QString());
        QCOMPARE(FormatLines::withCrLf({""}), QStringLiteral("\r\n"));
        QCOMPARE(FormatLines::withCrLf(FormatLines::split("a\nb\rc")),
                 QStringLiteral("a\nb\r\nc\r\n"));
    }
};

VARIMONDE_TEST_MAIN(TestFormatLines)
#include "tst_formatlines.moc"
