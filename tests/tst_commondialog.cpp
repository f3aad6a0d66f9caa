// The shared file dialog: filter conversion, the settings one caller leaves
// for the next, Cancel as failure 32755, and the default extension.
#include "app/CommonDialog.h"
#include "support/ModalAnswerer.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>

#include <functional>

class TestCommonDialog : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString existingFile(const QString &name)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        return path;
    }

    // Types `name` into the dialog's name field, as a user does, and presses OK.
    static std::function<void(QWidget *)> typeName(const QString &directory, const QString &name)
    {
        return [directory, name](QWidget *box) {
            auto *dialog = qobject_cast<QFileDialog *>(box);
            dialog->setDirectory(directory);
            auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            edit->clear();
            QTest::keyClicks(edit, name);
            QMetaObject::invokeMethod(dialog, "accept");
        };
    }

private slots:
    void filtersTakeQtForm_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("expected");
        QTest::newRow("graphics") << "Pictures (*.bmp;*.pcx)|*.bmp;*.pcx"
                                  << "Pictures (*.bmp *.pcx)";
        QTest::newRow("formats") << "Text Files(*.txt)|*.txt|All Files(*.*)|*.*"
                                 << "Text Files (*.txt);;All Files (*)";
        QTest::newRow("any file") << "All Files(*.*)|*.*"
                                  << "All Files (*)";
        QTest::newRow("profiles") << "Varimonde Printer Profile (*.vsp)|*.vsp|All Files(*.*)|*.*"
                                  << "Varimonde Printer Profile (*.vsp);;All Files (*)";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("trailing bar") << "All Files(*.*)|*.*|"
                                      << "All Files (*)";
        QTest::newRow("no pattern") << "Text Files"
                                    << "";
        QTest::newRow("empty pattern") << "Text Files|"
                                       << "Text Files (*)";
        QTest::newRow("stray separators") << "Pictures|*.bmp; ;*.pcx;"
                                          << "Pictures (*.bmp *.pcx)";
        QTest::newRow("no description") << "|*.txt"
                                        << "(*.txt)";
        QTest::newRow("brackets inside") << "Labels (old) v2|*.lbl"
                                         << "Labels old v2 (*.lbl)";
        QTest::newRow("bars only") << "|||"
                                   << "(*);;(*)";
    }
    void filtersTakeQtForm()
    {
        QFETCH(QString, filter);
        QFETCH(QString, expected);
        const QString converted = CommonDialog::toQtFilter(filter);
        QCOMPARE(converted, expected);
        // Qt reads every converted entry back as the same entry.
        if (!converted.isEmpty()) {
            QFileDialog dialog;
            dialog.setNameFilter(converted);
            QCOMPARE(dialog.nameFilters(), converted.split(";;"));
        }
    }

    void settingsStayForTheNextCaller()
    {
        QWidget window;
        CommonDialog dialog(&window);
        const QString picture = existingFile("logo.bmp");

        // A graphic caller picks a file.
        dialog.Filter = "Pictures (*.bmp;*.pcx)|*.bmp;*.pcx";
        dialog.CancelError = true;
        {
            ModalAnswerer boxes;
            boxes.chooseFile(picture);
            QVERIFY(!dialog.ShowOpen());
            QCOMPARE(boxes.seen().size(), 1);
            QCOMPARE(boxes.seen()[0].nameFilters, QStringList{"Pictures (*.bmp *.pcx)"});
            QCOMPARE(boxes.seen()[0].defaultSuffix, QString());
            QVERIFY(!boxes.seen()[0].saving);
        }
        QCOMPARE(dialog.FileName, picture);

        // The next show proposes that file, in its folder, with the same filter.
        QString folder;
        {
            ModalAnswerer boxes;
            boxes.then([&](QWidget *box) {
                folder = qobject_cast<QFileDialog *>(box)->directory().absolutePath();
                qobject_cast<QDialog *>(box)->reject();
            });
            const std::optional<Failure> failure = dialog.ShowOpen();
            QVERIFY(failure);
            QCOMPARE(failure->code, 32755);
            QCOMPARE(boxes.seen()[0].proposed, "logo.bmp");
            QCOMPARE(boxes.seen()[0].nameFilters, QStringList{"Pictures (*.bmp *.pcx)"});
        }
        QCOMPARE(QFileInfo(folder).canonicalFilePath(),
                 QFileInfo(m_dir.path()).canonicalFilePath());
        QCOMPARE(dialog.FileName, picture); // Cancel changes nothing
        QCOMPARE(dialog.Filter, "Pictures (*.bmp;*.pcx)|*.bmp;*.pcx");

        // A profile save: the typed name gets the default extension.
        dialog.CancelError = true;
        dialog.Filter = "Varimonde Printer Profile (*.vsp)|*.vsp|All Files(*.*)|*.*";
        dialog.DefaultExt = ".vsp";
        dialog.FileName = "profile.vsp";
        {
            ModalAnswerer boxes;
            boxes.then(typeName(m_dir.path(), "office"));
            QVERIFY(!dialog.ShowSave());
            QCOMPARE(boxes.seen()[0].proposed, "profile.vsp");
            QCOMPARE(boxes.seen()[0].defaultSuffix, "vsp");
            QVERIFY(boxes.seen()[0].saving);
            QCOMPARE(boxes.seen()[0].nameFilters,
                     QStringList({"Varimonde Printer Profile (*.vsp)", "All Files (*)"}));
        }
        QCOMPARE(QFileInfo(dialog.FileName).fileName(), "office.vsp");
        QVERIFY(QFileInfo(dialog.FileName).isAbsolute());

        // A name with an extension of its own keeps it.
        {
            ModalAnswerer boxes;
            boxes.then(typeName(m_dir.path(), "office.txt"));
            QVERIFY(!dialog.ShowSave());
        }
        QCOMPARE(QFileInfo(dialog.FileName).fileName(), "office.txt");

        // A caller that sets only the filter still gets the profile's extension and name.
        dialog.Filter = "All Files(*.*)|*.*";
        dialog.CancelError = true;
        {
            ModalAnswerer boxes;
            boxes.cancel();
            QCOMPARE(dialog.ShowOpen()->code, FailureCode::DialogCancelled);
            QCOMPARE(boxes.seen()[0].defaultSuffix, "vsp");
            QCOMPARE(boxes.seen()[0].proposed, "office.txt");
            QCOMPARE(boxes.seen()[0].nameFilters, QStringList{"All Files (*)"});
        }
        QCOMPARE(QFileInfo(dialog.FileName).fileName(), "office.txt");
        QCOMPARE(dialog.DefaultExt, ".vsp");
    }

    void anyFileMatchesAllFiles()
    {
        // "*.*" must not hide a file without an extension.
        QWidget window;
        CommonDialog dialog(&window);
        const QString bare = existingFile("FIRMWARE");
        dialog.Filter = "All Files(*.*)|*.*";
        dialog.CancelError = true;
        dialog.FileName = bare;
        QStringList listed;
        ModalAnswerer boxes;
        boxes.then([&](QWidget *box) {
            auto *fileDialog = qobject_cast<QFileDialog *>(box);
            // "All Files (*)": the patterns are inside the brackets.
            const QString filter = fileDialog->selectedNameFilter();
            const QString patterns = filter.mid(filter.lastIndexOf('(') + 1).chopped(1);
            listed = QDir(m_dir.path()).entryList(patterns.split(' '), QDir::Files);
            QMetaObject::invokeMethod(fileDialog, "accept");
        });
        QVERIFY(!dialog.ShowOpen());
        QVERIFY(listed.contains("FIRMWARE"));
        QCOMPARE(dialog.FileName, bare);
    }
};

VARIMONDE_TEST_MAIN(TestCommonDialog)
#include "tst_commondialog.moc"
