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
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("empty file") << QByteArray() << QByteArray();
        QTest::newRow("no line end") << QByteArray("abc") << QByteArray("abc\r\n");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QByteArray("a\r\nb\r\n");
        QTest::newRow("lone CR") << QByteArray("a\rb\r") << QByteArray("a\r\nb\r\n");
        QTest::newRow("lone LF stays") << QByteArray("a\nb\n") << QByteArray("a\nb\n\r\n");
        QTest::newRow("LF CR") << QByteArray("a\n\rb") << QByteArray("a\n\r\nb\r\n");
        QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << QByteArray("a\r\n\r\nb\r\n");
        QTest::newRow("empty lines") << QByteArray("\r\n\r\n") << QByteArray("\r\n\r\n");
        QTest::newRow("only CRs") << QByteArray("\r\r") << QByteArray("\r\n\r\n");
        QTest::newRow("mixed, last unended") << QByteArray("L1\r\nL2\rL3\nstill3\r\nlast")
                                             << QByteArray("L1\r\nL2\r\nL3\nstill3\r\nlast\r\n");
    }
    void formatLines()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, sent);
        FormatLines::toPrinterText(file);
        QCOMPARE(file, sent);
    }

    void formatStoreEmptiesOnlyTheFirstLine()
    {
        const auto stored = [](QByteArray text) {
            formatStore("x", text);
            return text;
        };
        QCOMPARE(stored(""), QByteArray("!S~ 3 F x\r\n"));
        QCOMPARE(stored("only\r\n"), QByteArray("!S~ 3 F x\r\n\r\n"));
        QCOMPARE(stored("a line longer than the header\r\n\r\nc\r\n"),
                 QByteArray("!S~ 3 F x\r\n\r\n\r\nc\r\n"));
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
