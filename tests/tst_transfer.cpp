// How a transfer moves bytes: one at a time per link, nothing left over
// from a failed one, progress judged at the line, reports and cancel.
#include "common/StopSignal.h"
#include "link/Connection.h"
#include "link/PrinterLink.h"
#include "link/Transfer.h"
#include "link/TransferProgress.h"
#include "support/PseudoTerminal.h"
#include "support/QueueingLine.h"
#include "support/TestMain.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

namespace
{

QString shown(const SendOutcome &outcome)
{
    return outcome ? outcome->boxText() + '|' + outcome->boxTitle() + '|' + outcome->description
                   : QStringLiteral("sent");
}

} // namespace

class TestTransfer : public QObject
{
    Q_OBJECT

private slots:
    // A second send while the first waits on a full printer is refused and
    // touches nothing; the first still delivers every byte.
    void oneTransferAtATime()
    {
        StopSignal stop;
        PseudoTerminal pty;
        PrinterLink link(&stop);
        link.portNames().redirect("COM1", pty.slavePath());
        pty.pauseReading(true);
        const QByteArray firmware(256 * 1024, 'f');
        SendOutcome second;
        QTimer::singleShot(100, [&] { second = link.sendText("!L\r\n"); });
        QTimer::singleShot(300, [&] { pty.pauseReading(false); });
        QCOMPARE(shown(link.sendBytes(firmware)), "sent");
        QCOMPARE(shown(second),
                 "Error Opening CommPort for String Send|SComString|Another transfer to the "
                 "printer is still running: wait for it to finish, or cancel it, then try again.");
        QCOMPARE(pty.readExactly(firmware.size() + 4, 2000), firmware);
    }

    // A device that vanishes mid-transfer and comes back at the same path
    // gets the next command alone.
    void nothingStaleAfterAFailure()
    {
        StopSignal stop;
        QTemporaryDir dir;
        const QString port = dir.filePath("ttyUSB0");
        auto first = std::make_unique<PseudoTerminal>();
        QVERIFY(QFile::link(first->slavePath(), port));
        PrinterLink link(&stop);
        link.portNames().redirect("COM1", port);
        first->pauseReading(true);
        QTimer::singleShot(100, [&] { first->unplug(); });
        QVERIFY(link.sendBytes(QByteArray(256 * 1024, 's')));
        first.reset();
        PseudoTerminal second;
        QVERIFY(QFile::remove(port) && QFile::link(second.slavePath(), port));
        QCOMPARE(shown(link.sendText("!L\r\n")), "sent");
        QCOMPARE(second.readAvailable(200), QByteArray("!L\r\n"));
    }

    // A line that drains steadily is never a stall, however slowly the
    // program's own queue moves; one that stops fails at the limit.
    void progressIsJudgedAtTheLine_data()
    {
        QTest::addColumn<qint64>("bytesPerTick");
        QTest::addRow("draining") << qint64(20);
        QTest::addRow("stopped") << qint64(0);
    }
    void progressIsJudgedAtTheLine()
    {
        QFETCH(qint64, bytesPerTick);
        QueueingLine line(bytesPerTick);
        Transfer transfer(line, nullptr, 300);
        QList<qint64> reports;
        connect(&transfer, &Transfer::progress, [&](qint64 sent, qint64 total) {
            QCOMPARE(total, 600);
            reports << sent;
        });
        QElapsedTimer clock;
        clock.start();
        const SendOutcome outcome = transfer.run(QByteArray(600, 'p'));
        const qint64 elapsed = clock.elapsed();
        QVERIFY(std::is_sorted(reports.begin(), reports.end()));
        if (bytesPerTick > 0) {
            QCOMPARE(shown(outcome), "sent");
            QVERIFY(line.closed && !line.discarded);
            QCOMPARE(reports.last(), 600);
            // Reports at least once a second, at most ten times, and the last.
            QVERIFY2(reports.size() > elapsed / 1000 && reports.size() <= elapsed / 100 + 2,
                     qPrintable(QString::number(reports.size())));
        } else {
            QCOMPARE(shown(outcome), "stalled|8020|stalled");
            QVERIFY(line.discarded && !line.closed);
            QVERIFY2(elapsed >= 300 && elapsed < 500, qPrintable(QString::number(elapsed)));
        }
    }

    // Cancel ends the transfer at its next step: nothing more is written
    // and the queue is thrown away.
    void cancelStopsWriting()
    {
        QueueingLine line(50);
        Transfer transfer(line, nullptr, 5000);
        QTimer::singleShot(150, [&] {
            transfer.cancel();
            line.writesAfterCancel = 0;
        });
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(shown(transfer.run(QByteArray(200 * 1024, 'c'))),
                 "The transfer was cancelled.|18|The transfer was cancelled.");
        QVERIFY(clock.elapsed() < 1000);
        QCOMPARE(line.writesAfterCancel, 0);
        QVERIFY(line.discarded && !line.closed);
    }

    void progressReadsAsAUserWouldSayIt()
    {
        TransferProgress progress(5000000);
        QCOMPARE(progress.describe("Uploading"), "Uploading 0 bytes of 5.0 MB");
        progress.update(1000000, 0);
        progress.update(1096000, 10000);
        QCOMPARE(progress.describe("Uploading"),
                 "Uploading 1.1 MB of 5.0 MB, 9.6 kB/s, about 7 min left");
        QCOMPARE(progress.percent(), 21);
        QCOMPARE(TransferProgress::durationText(45), "45 s");
        QCOMPARE(TransferProgress::durationText(3900), "1 h 5 min");
    }
};

VARIMONDE_TEST_MAIN(TestTransfer)
#include "tst_transfer.moc"
