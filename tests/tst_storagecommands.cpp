// The texts the Data Storage tab sends, at their edges: how a format file is
// cut into lines and passed on, identifiers in capitals, a format stored in
// place of its first line. The page tests check common cases on both links.
#include "printer/FormatLines.h"
#include "printer/StorageCommands.h"
#include "support/TestMain.h"

using namespace StorageCommands;

class TestStorageCommands : public QObject
{
    Q_OBJECT

private slots:
    void formatLines_data()
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
    void formatLines()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, lines);
        QFETCH(QString, sent);
        QCOMPARE(FormatLines::split(file), lines);
        QCOMPARE(FormatLines::withCrLf(lines), sent);
    }

    void formatStoreEmptiesOnlyTheFirstLine()
    {
        QCOMPARE(formatStore("x", {}), QStringLiteral("!S~ 3 F x\r\n"));
        QCOMPARE(formatStore("x", {"only"}), QStringLiteral("!S~ 3 F x\r\n\r\n"));
        QCOMPARE(formatStore("Lo", {"a", "", "c"}), QStringLiteral("!S~ 3 F Lo\r\n\r\n\r\nc\r\n"));
    }

    void upperCaseKeepsLengthAndOneBytePerCharacter()
    {
        QCOMPARE(upperIdentifier("ab_1 \u00e9"), QStringLiteral("AB_1 \u00c9"));
        // Capitals the link cannot carry as one byte ("\u0178"), or that would
        // lengthen the identifier past its check ("SS"), are left as typed.
        QCOMPARE(upperIdentifier(QStringLiteral("\u00ff\u00df")), QStringLiteral("\u00ff\u00df"));
        QCOMPARE(graphicRecall(QStringLiteral("\u00e9")).toLatin1(),
                 QByteArray("! 0 100 500 1\r\nGRAPHIC RECALL \xC9 250 200 \r\nEND\r\n"));
    }
};

VARIMONDE_TEST_MAIN(TestStorageCommands)
#include "tst_storagecommands.moc"
