// The shared file dialog: filter conversion, the settings one caller leaves
// for the next, Cancel as failure 32755, and the default extension.
#include "support/ModalAnswerer.h"
#include "support/TestMain.h"
#include "ui/CommonDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>

class TestCommonDialog : public QObject
{
    Q_OBJECT

    // Shows the dialog, answered by `answer`; returns what it showed as
    // "save?|filters|proposed name|default suffix".
    static QString shown(CommonDialog &dialog, bool saving, const ModalAnswerer &answer,
                         std::optional<Failure> &failure)
    {
        failure = saving ? dialog.showSave() : dialog.showOpen();
        if (answer.seen().size() != 1)
            return "boxes: " + answer.describe();
        const ModalAnswerer::Seen &box = answer.seen()[0];
        return QStringList{box.saving ? "save" : "open", box.nameFilters.join(";;"), box.proposed,
                           box.defaultSuffix}
            .join('|');
    }

private slots:
    void filtersTakeQtForm_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("expected");
        const char *rows[][3] = {
            {"graphics", "Pictures (*.bmp;*.pcx)|*.bmp;*.pcx", "Pictures (*.bmp *.pcx)"},
            {"formats", "Text Files(*.txt)|*.txt|All Files(*.*)|*.*",
             "Text Files (*.txt);;All Files (*)"},
            {"any file", "All Files(*.*)|*.*", "All Files (*)"},
            {"profiles", "Varimonde Printer Profile (*.vsp)|*.vsp|All Files(*.*)|*.*",
             "Varimonde Printer Profile (*.vsp);;All Files (*)"},
            {"empty", "", ""},
            {"trailing bar", "All Files(*.*)|*.*|", "All Files (*)"},
            {"no pattern", "Text Files", ""},
            {"empty pattern", "Text Files|", "Text Files (*)"},
            {"stray separators", "Pictures|*.bmp; ;*.pcx;", "Pictures (*.bmp *.pcx)"},
            {"no description", "|*.txt", "(*.txt)"},
            {"brackets inside", "Labels (old) v2|*.lbl", "Labels old v2 (*.lbl)"},
            {"bars only", "|||", "(*);;(*)"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString(row[1]) << QString(row[2]);
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
        QTemporaryDir dir;
        QWidget window;
        CommonDialog dialog(&window);
        const QString picture = dir.filePath("logo.bmp");
        QFile(picture).open(QIODevice::WriteOnly);

        // A graphic caller picks a file.
        dialog.setFilter("Pictures (*.bmp;*.pcx)|*.bmp;*.pcx");
        dialog.setCancelError(true);
        std::optional<Failure> failure;
        {
            ModalAnswerer boxes;
            boxes.chooseFile(picture);
            QCOMPARE(shown(dialog, false, boxes, failure), "open|Pictures (*.bmp *.pcx)||");
        }
        QVERIFY(!failure);
        QCOMPARE(dialog.fileName(), picture);

        // The next show proposes that file, in its folder; Cancel changes nothing.
        QString folder;
        {
            ModalAnswerer boxes;
            boxes.then([&](QWidget *box) {
                folder = qobject_cast<QFileDialog *>(box)->directory().absolutePath();
                qobject_cast<QDialog *>(box)->reject();
            });
            QCOMPARE(shown(dialog, false, boxes, failure), "open|Pictures (*.bmp *.pcx)|logo.bmp|");
        }
        QCOMPARE(failure ? int(failure->code) : 0, 32755);
        QCOMPARE(QFileInfo(folder).canonicalFilePath(), QFileInfo(dir.path()).canonicalFilePath());
        QCOMPARE(dialog.fileName(), picture);
        QCOMPARE(dialog.filter(), "Pictures (*.bmp;*.pcx)|*.bmp;*.pcx");

        // A profile save: a typed name gets the default extension, unless it has one.
        dialog.setFilter("Varimonde Printer Profile (*.vsp)|*.vsp|All Files(*.*)|*.*");
        dialog.setDefaultExt(".vsp");
        dialog.setFileName("profile.vsp");
        for (const QString typed : {"office", "office.txt"}) {
            ModalAnswerer boxes;
            boxes.then([&](QWidget *box) {
                auto *fileDialog = qobject_cast<QFileDialog *>(box);
                fileDialog->setDirectory(dir.path());
                ModalAnswerer::typeFileName(fileDialog, typed);
                QMetaObject::invokeMethod(fileDialog, "accept");
            });
            const QString proposed = typed == "office" ? "profile.vsp" : "office.vsp";
            QCOMPARE(shown(dialog, true, boxes, failure),
                     "save|Varimonde Printer Profile (*.vsp);;All Files (*)|" + proposed + "|vsp");
            QVERIFY(!failure);
            QCOMPARE(dialog.fileName(), dir.filePath(typed == "office" ? "office.vsp" : typed));
        }
    }
};

VARIMONDE_TEST_MAIN(TestCommonDialog)
#include "tst_commondialog.moc"
