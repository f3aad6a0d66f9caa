// The storage command texts at their edges; the page tests check the common
// cases byte for byte on both links.
#include "storage/StorageCommands.h"
#include "support/TestMain.h"

using namespace StorageCommands;

class TestStorageCommands : public QObject
{
    Q_OBJECT

private slots:
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
