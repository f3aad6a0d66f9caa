// How a label format file is cut into lines and passed on with CR LF ends.
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
        QTest::addColumn<QString>("sent");
        QTest::newRow("empty file") << "" << QStringList() << "";
        QTest::newRow("no line end") << "abc" << QStringList{"abc"} << "abc\r\n";
        QTest::newRow("CR LF") << "a\r\nb\r\n" << QStringList{"a", "b"} << "a\r\nb\r\n";
        QTest::newRow("lone CR") << "a\rb\r" << QStringList{"a", "b"} << "a\r\nb\r\n";
        QTest::newRow("lone LF stays") << "a\nb\n" << QStringList{"a\nb\n"} << "a\nb\n\r\n";
        QTest::newRow("LF CR") << "a\n\rb" << QStringList{"a\n", "b"} << "a\n\r\nb\r\n";
        QTest::newRow("CR CR LF") << "a\r\r\nb" << QStringList{"a", "", "b"} << "a\r\n\r\nb\r\n";
        QTest::newRow("empty lines") << "\r\n\r\n" << QStringList{"", ""} << "\r\n\r\n";
        QTest::newRow("mixed, last unended")
            << "L1\r\nL2\rL3\nstill3\r\nlast" << QStringList{"L1", "L2", "L3\nstill3", "last"}
            << "L1\r\nL2\r\nL3\nstill3\r\nlast\r\n";
    }
    void split()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, lines);
        QFETCH(QString, sent);
        QCOMPARE(FormatLines::split(file), lines);
        QCOMPARE(FormatLines::withCrLf(lines), sent);
    }
};

VARIMONDE_TEST_MAIN(TestFormatLines)
#include "tst_formatlines.moc"
