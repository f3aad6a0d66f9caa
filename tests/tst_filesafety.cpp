// Files and names that once hung, crashed or misled the program: special
// files, huge label formats, a pipe whose reader goes, identifiers the
// printer cannot receive, markup in file names, and what a load or an
// export leaves behind when it fails.
#include "common/ChunkedFileReader.h"
#include "common/ProcessSignals.h"
#include "common/StopSignal.h"
#include "link/PrinterLink.h"
#include "profile/ProfileStore.h"
#include "support/PageDriver.h"
#include "support/TestMain.h"
#include "ui/SendPresenter.h"

#include <QCryptographicHash>
#include <QInputDialog>
#include <QLabel>
#include <QTabWidget>

#include <csignal>
#include <fcntl.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

class TestFileSafety : public QObject
{
    Q_OBJECT

private slots:
    // After a long operation the keyboard focus is where the user left it,
    // not on Exit, where the next Space would quit.
    void focusReturnsAfterLongWork_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("load") << "BMemCMD";
        QTest::newRow("upload") << "BUpLoadCMD";
    }
    void focusReturnsAfterLongWork()
    {
        QFETCH(QString, button);
        PageDriver fx(MainWindow::BinaryTab);
        const QString path = fx.file("fw.bin", QByteArray(1000, 'f'));
        fx.choose("BMemCMD", path);
        fx.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fx.window));
        auto *start = fx.control<QWidget>(button);
        start->setFocus();
        ModalAnswerer boxes;
        boxes.chooseFile(path);
        QTest::keyClick(start, Qt::Key_Space);
        QCOMPARE(boxes.seen().size(), button == "BMemCMD" ? 1 : 0);
        QVERIFY(fx.idle());
        QCOMPARE(fx.window.focusWidget(), start); // where the keys go, once the window is active
    }

};

VARIMONDE_TEST_MAIN(TestFileSafety)
#include "tst_filesafety.moc"
