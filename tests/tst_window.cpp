// The window driven as a user would: each feature's command reaches the
// port, failures show one box and leave the port closed, the buffers of the
// configuration tab stay coupled, a profile import stops at its first
// refused value, and closing the window mid-transfer ends it quietly. Each
// send is logged with its bytes; dropped files are taken as chosen ones;
// the window, the file dialogs and the printer link remember where they
// were, also in a fresh run, and forget it on Reset or when it is damaged.
#include "config/ConfigPage.h"
#include "printer/CalibrationBlocks.h"
#include "printer/ConfigBlock.h"
#include "printer/FormatLines.h"
#include "printer/StorageCommands.h"
#include "printer/TestLabels.h"
#include "profile/ProfileRecord.h"
#include "storage/GraphicConvertDialog.h"
#include "support/LoopbackPrinter.h"
#include "support/Pictures.h"
#include "support/TestMain.h"
#include "support/WindowDriver.h"
#include "ui/Settings.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSerialPort>
#include <QSet>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QUdpSocket>

namespace
{

const QString formatFile = "NAME\r\nA 1\rB\n2\r\n";

// Whether a UDP socket of this machine is bound to `port` (IPv4).
bool udpPortBound(quint16 port)
{
    QFile table("/proc/net/udp");
    if (!table.open(QIODevice::ReadOnly))
        return true;
    const QString local = QStringLiteral(":%1").arg(port, 4, 16, QLatin1Char('0')).toUpper();
    const QList<QByteArray> lines = table.readAll().split('\n');
    for (const QByteArray &line : lines.mid(1)) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() > 1 && QString::fromLatin1(fields[1]).endsWith(local))
            return true;
    }
    return false;
}

// Sets each "control=value" as a user would: a list's or a field's text, a
// slider dragged there (its label follows the thumb), a check box on (1) or
// off (0); a name alone chooses that option.
void set(WindowDriver &window, const QStringList &assignments)
{
    for (const QString &assignment : assignments) {
        QWidget *control = window.control(assignment.section('=', 0, 0));
        const QString value = assignment.section('=', 1);
        if (auto *combo = qobject_cast<QComboBox *>(control))
            combo->setCurrentText(value);
        else if (auto *field = qobject_cast<QLineEdit *>(control))
            field->setText(value);
        else if (auto *slider = qobject_cast<QSlider *>(control)) {
            slider->setSliderPosition(value.toInt());
            slider->triggerAction(QAbstractSlider::SliderMove);
        } else if (auto *box = qobject_cast<QCheckBox *>(control))
            box->setChecked(value == "1");
        else
            qobject_cast<QAbstractButton *>(control)->click(); // its middle may be past its text
    }
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowDriver> ui;
    QByteArray pcxPicture, firmware;
    QRect startGeometry;

    // The folder the file dialog opens in for each click, choosing `choose`
    // (a name in the driver's folder) or cancelling when empty.
    QString lastOffered;           // the name the last dialog opened with
    QPointer<QWidget> completions; // the file name box's popup
    QString folderOf(const QString &button, const QString &choose = QString())
    {
        QString folder;
        ModalAnswerer boxes;
        boxes.then([&](QWidget *box) {
            auto *dialog = qobject_cast<QFileDialog *>(box);
            folder = dialog->directory().absolutePath();
            lastOffered = dialog->findChild<QLineEdit *>("fileNameEdit")->text();
            if (choose.isEmpty())
                return dialog->reject();
            auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
            name->setText(ui->dir.filePath(choose));
            completions = name->completer()->popup();
            completions->show(); // as typing a name shows it
            QMetaObject::invokeMethod(dialog, "accept");
        });
        if (button == "LoadCMD" && !choose.isEmpty())
            boxes.pressOk(); // the test files are no profiles
        ui->click(button);
        // A popup left open would take the next click anywhere.
        return completions && completions->isVisible() ? "completions left open" : folder;
    }
    // Drags files of the driver's folder onto `target` as a file manager
    // would, and drops them if it takes them on entering; says how far it
    // got: "refused", "entered" or "dropped".
    static QString drop(WindowDriver &window, const QString &target, const QStringList &names)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString &name : names)
            urls << QUrl::fromLocalFile(window.dir.filePath(name));
        data.setUrls(urls);
        QWidget *widget = window.control(target);
        const QPoint at = widget->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(widget, &enter);
        if (!enter.isAccepted())
            return "refused";
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(widget, &dropped);
        return dropped.isAccepted() ? "dropped" : "entered";
    }

    QString state(const QString &names, QWidget *window = nullptr) const
    {
        QStringList values;
        for (const QString &name : words(names)) {
            QWidget *control = window ? window->findChild<QWidget *>(name) : ui->control(name);
            // A check box's state (0 to 2), a label's text, else the value
            // the control is for: a slider's, a text, an option's 0 or 1.
            QVariant value = control->metaObject()->userProperty().read(control);
            if (auto *box = qobject_cast<QCheckBox *>(control))
                value = int(box->checkState());
            else if (qobject_cast<QLabel *>(control))
                value = control->property("text");
            values << (value.typeId() == QMetaType::Bool ? QString::number(value.toBool())
                                                         : value.toString());
        }
        return values.join(' ');
    }
    // The link of `window` and its fields on Communication Settings.
    QString linkShown(MainWindow &window) const
    {
        return window.link().description() + ' ' +
               state("SPortCombo SBaudCombo SParityCombo SBitsCombo NetHostTxt NetPortTxt CommOp_3",
                     &window);
    }

private slots:
    void initTestCase()
    {
        ui = std::make_unique<WindowDriver>();
        startGeometry = ui->window.geometry();
        ui->window.link().setStallLimitMs(300);
        for (int i = 0; i < 903; ++i)
            firmware.append(char(i * 7 + 0x11));
        pcxPicture = Pictures::pcx(16, 60);
        ui->file("pic.bmp", Pictures::bmp(16, 60));
        ui->file("pic.pcx", pcxPicture);
        ui->file("fw.bin", firmware);
        ui->file("fmt.txt", formatFile.toLatin1());
        // A graphic the printer takes, and firmware as good as any.
        ui->file("big.bin", Pictures::bmp(4096, 2048));
    }
    void cleanup() { ui->pty.readAvailable(); }

    // On the first start each kind of file is looked for in the home folder,
    // then where the last one of its kind came from; Reset forgets that, the
    // window's place and the printer link, which a new start takes up.
    void dialogsStartWhereTheirKindWasFoundUntilReset()
    {
        const QString home = QDir::homePath();
        QVERIFY(home != QDir::currentPath());
        for (const QString &button : words("BMemCMD BrowseCMD FBrowseCMD LoadCMD")) {
            QDir(ui->dir.path()).mkdir(button);
            ui->file(button + "/chosen.txt", "x");
            // Nothing of this kind is chosen yet, whatever the kinds before
            // it chose; it is offered no name of theirs.
            QCOMPARE(folderOf(button, button + "/chosen.txt"), home);
            QVERIFY2(!lastOffered.contains("chosen"), qPrintable(lastOffered));
            QCOMPARE(folderOf(button), ui->dir.filePath(button));
        }
        // The log window, which holds Reset, shows the bytes of the row chosen.
        ui->window.setGeometry(startGeometry.adjusted(10, 10, 30, 30));
        ui->click("ListCMD");
        ui->click("LogCMD");
        auto *table = ui->control<QTableView>("LogTable");
        table->selectRow(table->model()->rowCount() - 1);
        QCOMPARE(ui->control<QPlainTextEdit>("BytesTxt")->toPlainText(),
                 "00000000  21 4c 0d 0a                                      !L..\n");
        QCOMPARE(ui->click("ResetCMD", {"<cancel>"}).size(), 1);
        QCOMPARE(folderOf("BMemCMD"), ui->dir.filePath("BMemCMD"));
        const QString starting = linkShown(ui->window);
        set(*ui, words("SPortCombo=3 SBaudCombo=19200 SParityCombo=E SBitsCombo=7 "
                       "NetHostTxt=127.0.0.1 NetPortTxt=9101"));
        QCOMPARE(ui->run({"SApplyCmd_0"}), QStringList());
        set(*ui, {"CommOp_3"});
        QCOMPARE(ui->run({"NetApplyCmd"}), QStringList());
        QCOMPARE(linkShown(*std::make_unique<MainWindow>()),
                 "Network 127.0.0.1:9101 3 19200 E 7 127.0.0.1 9101 1");
        QCOMPARE(ui->click("ResetCMD", {"<ok>"}),
                 QStringList{"Forget the window's size and place, the folders the file "
                             "dialogs open in and the printer link?|Reset Settings|icon"});
        QCOMPARE(linkShown(ui->window), starting);
        QCOMPARE(ui->window.geometry(), startGeometry);
        for (const char *button : {"BMemCMD", "BrowseCMD", "FBrowseCMD", "LoadCMD"})
            QCOMPARE(folderOf(button), QDir::homePath());
        ui->control("LogFrm")->close();
    }

    // A remembered value is taken through its own check: one refused is
    // named in a warning and leaves its starting value, the others are
    // taken. A USB printer stays the link while it is unplugged, without a
    // word for the network printer it has not (tst_cli has the devices
    // refused for one, with the command line's refusal of the same names).
    // A file that cannot be read is passed over whole, with a warning.
    void rememberedValuesAreChecked_data()
    {
        // file: the settings file's text, none for a folder in its place;
        // shown: none for the link as on a start without settings.
        columns<QString, QString, QString>({"file", "warning", "shown"});
        const QString usb = "[link]\nkind=usb\nusbDevice=";
        const QString network = "[link]\nkind=network\nnetworkHost=127.0.0.1\nnetworkPort=9101\n";
        row("unplugged USB printer", usb + "/dev/usb/lp7\n", "",
            "USB Printer /dev/usb/lp7 (not connected) 1 9600 N 8  9100 0");
        row("no such port", network + "commPort=COM999\nserialSettings=\"19200,E,7,1\"\n",
            "remembered .*\"COM999\"", "Network 127.0.0.1:9101 1 19200 E 7 127.0.0.1 9101 1");
        row("nine data bits", network + "commPort=COM3\nserialSettings=\"19200,E,9,1\"\n",
            "remembered .*\"19200,E,9,1\"", "Network 127.0.0.1:9101 3 9600 N 8 127.0.0.1 9101 1");
        // What comes before the damage is no more trusted than the rest.
        row("not understood", network + "[folders\n",
            "ignoring the settings in .*, which cannot be understood", "");
        row("a folder in its place", "",
            "ignoring the settings in .*, which cannot be read: it is not a regular file", "");
    }
    void rememberedValuesAreChecked()
    {
        QFETCH(QString, file);
        QFETCH(QString, warning);
        QFETCH(QString, shown);
        const QString path = Settings::filePath();
        QFile::remove(path);
        if (shown.isEmpty())
            shown = linkShown(*std::make_unique<MainWindow>());
        QFile::remove(path); // that window's place
        QVERIFY(QDir().mkpath(file.isEmpty() ? path : QFileInfo(path).path()));
        QFile written(path);
        QVERIFY(file.isEmpty() || (written.open(QIODevice::WriteOnly) &&
                                   written.write(file.toUtf8()) == file.size() && written.flush()));
        if (warning.isEmpty())
            QTest::failOnWarning(QRegularExpression("remembered"));
        else
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        QCOMPARE(linkShown(*std::make_unique<MainWindow>()), shown);
        QDir(path).removeRecursively();
        QFile::remove(path);
    }

    // What one run remembers, the next finds.
    void settingsSurviveARestart()
    {
        const auto remembered = [](MainWindow &window) {
            const QRect place = window.geometry();
            return QString::asprintf("%d,%d %dx%d ", place.x(), place.y(), place.width(),
                                     place.height()) +
                   window.settings().lastFolder(Settings::Folder::Graphic);
        };
        // The run of this program started below: what does it find?
        if (qEnvironmentVariableIsSet("VARIMONDE_REMEMBERED")) {
            MainWindow again;
            QCOMPARE(remembered(again), qEnvironmentVariable("VARIMONDE_REMEMBERED"));
            return;
        }
        QString before;
        {
            MainWindow first;
            first.show();
            first.setGeometry(40, 50, 600, 420);
            ModalAnswerer boxes;
            boxes.chooseFile(ui->dir.filePath("pic.bmp"));
            QVERIFY(first.commonDialog().chooseFileToRead("All|*.*", Settings::Folder::Graphic));
            before = remembered(first);
            first.close();
        }
        QVERIFY(before.endsWith(ui->dir.path()));
        qputenv("VARIMONDE_REMEMBERED", before.toUtf8());
        const int failures = QProcess::execute(QCoreApplication::applicationFilePath(),
                                               {"-silent", "settingsSurviveARestart"});
        qunsetenv("VARIMONDE_REMEMBERED");
        QCOMPARE(failures, 0);
    }
    // A dropped file is taken as its Browse would take it; several files or
    // a folder are refused.
    void droppedFilesAreTakenAsChosen_data()
    {
        columns<QString, QString, QString, QString>({"target", "names", "shown", "box"});
        row("firmware", "BinaryPage", "fw.bin", "FSizeTxt=903 Bytes", "");
        row("graphic", "FilePathTxt", "pic.bmp", "ProgLbl=302 Bytes", "");
        row("format", "FFnameTxt", "fmt.txt", "FFnameTxt=fmt.txt", "");
        row("two files", "BinaryPage", "fw.bin pic.bmp", "",
            "Drop one file at a time.|Labelsmithy");
        row("a folder", "FilePathTxt", "", "", "DIR is a folder: drop a file.|Labelsmithy");
    }
    void droppedFilesAreTakenAsChosen()
    {
        QFETCH(QString, target);
        QFETCH(QString, names);
        QFETCH(QString, shown); // "control=text"
        QFETCH(QString, box);
        ModalAnswerer answers;
        answers.pressOk(); // a refusal's
        const QString shownPaths = "FnameTxt FilePathTxt FFnameTxt";
        const QString before = state(shownPaths);
        QCOMPARE(drop(*ui, target, names.split(' ')), "dropped");
        QTRY_COMPARE(answers.summary().join('\n'), box.replace("DIR", ui->dir.path()));
        if (shown.isEmpty())
            QCOMPARE(state(shownPaths), before);
        else
            QTRY_VERIFY(state(shown.section('=', 0, 0)).endsWith(shown.section('=', 1)));
    }

    // The bytes each row expects are built in the test itself, from the
    // printer's commands whose exact bytes tst_texts holds, or written out
    // where other choices than the start values are made: two lists or two
    // values taken for each other show there. A step "control=value" of a
    // list or a slider sets it; any other is clicked. An identifier is one
    // name: a line end in it would end the printer's command there and make
    // the rest a command of its own, so it is refused and nothing is sent.
    void featuresSendTheirCommands_data()
    {
        columns<QStringList, QStringList, QString, QByteArray>(
            {"steps", "boxes", "logged", "sent"});
        const auto send = [](const char *name, const QStringList &steps, const QStringList &boxes,
                             const QString &logged, const QByteArray &sent) {
            QTest::newRow(name) << steps << boxes << logged << sent;
        };
        QByteArray format = formatFile.toLatin1();
        FormatLines::toPrinterText(format);
        QByteArray stored = format;
        StorageCommands::formatStore("Fmt", stored);
        const QString graphicAsked = "Enter Identifier|Graphic Storage|Image_1";
        const QString formatAsked = "Enter Format Identifier|8 Characters or less please|";
        const QStringList recallFormat = {"Enter Label Format to Print|DATA STORAGE|",
                                          "Enter Quantity|DATA STORAGE|1"};
        const QString recallImage = "Enter Stored Graphic to Print|DATA STORAGE|";
        const QString deleteAsked = "Enter Identifier of Object to Delete|Delete Stored Object|";
        const QString refusal = "The identifier contains a control character (%1), which the "
                                "printer would take as part of a command. Use letters, digits "
                                "and symbols.|%2";
        const QByteArray head = "! 0 0 0 0\r\n";
        const QByteArray calibrate = head + "V INDEX SETTING CALIBRATE\r\nV WRITE\r\nEND";
        send("upload, nothing on", {"UploadCMD"}, {}, "Configuration block",
             ConfigBlock::build({}).toLatin1());
        send("calibrate", {"CalCmd"}, {}, "Calibration",
             (CalibrationBlocks::settingsBlock("GAP", "DT", "WAX") +
              CalibrationBlocks::calibrateBlock())
                 .toLatin1());
        send("bar, thermal transfer, wax/resin",
             {"CIndexCmb=BAR", "CPrintModeCMB=TT", "RibbonCMB=WAX/RESIN COMBO", "CalCmd"}, {},
             "Calibration",
             head + "V INDEX SETTING 3\r\nV FEED_TYPE BAR\r\nV WRITE\r\nEND" + calibrate);
        send("gap, thermal transfer, wax",
             {"CIndexCmb=GAP", "CPrintModeCMB=TT", "RibbonCMB=WAX", "CalCmd"}, {}, "Calibration",
             head + "V INDEX SETTING 2\r\nV FEED_TYPE GAP\r\nV WRITE\r\nEND" + calibrate);
        send("darkness -7", {"DarkChk", "Slider1=-7", "UploadCMD"}, {}, "Configuration block",
             head + "VARIABLE DARKNESS -7\r\nVARIABLE WRITE\r\nEND");
        send("4X3 label", words("TestOp1 TestCMD"), {}, "Test label 4X3",
             TestLabels::fourByThree().toLatin1());
        send("2.4X1 label", words("TestOp2 TestCMD"), {}, "Test label 2.4X1",
             TestLabels::twoPointFourByOne().toLatin1());
        send("graphic", words("GSPCXOp BrowseCMD=file:pic.pcx StoreCMD=logo"), {graphicAsked},
             QString("Graphic LOGO, %1 bytes").arg(pcxPicture.size()),
             StorageCommands::graphicStoreHeader("PCX", "LOGO").toLatin1() + pcxPicture +
                 StorageCommands::graphicStoreEnd().toLatin1());
        // Nine characters are one too many; eight go through (tst_cli).
        send("graphic, 9 characters",
             words("GSPCXOp BrowseCMD=file:pic.pcx StoreCMD=abcdefghi;<ok>"),
             {graphicAsked, "Valid Identifier must be no more than 8 characters.|Graphic Storage"},
             "", {});
        send("graphic, a tab in its name",
             {"GSPCXOp", "BrowseCMD=file:pic.pcx", "StoreCMD=A\tB;<ok>"},
             {graphicAsked, refusal.arg("TAB", "Graphic Storage")}, "", {});
        send("print format", words("FPrintOp1 FBrowseCMD=file:fmt.txt FStoreCMD"), {},
             "Label format fmt.txt", format);
        send("store format", words("FSTandardOp1 FBrowseCMD=file:fmt.txt FStoreCMD=Fmt"),
             {formatAsked}, "Label format fmt.txt, stored as Fmt", stored);
        send("store format, 9 characters",
             words("FSTandardOp1 FBrowseCMD=file:fmt.txt FStoreCMD=Fmt456789;<ok>"),
             {formatAsked, "Identifier must be 8 chars or less|File Format Storage"}, "", {});
        send("recall image", {"Option1", "RecallCMD=logo"}, {recallImage}, "Recall graphic LOGO",
             StorageCommands::graphicRecall("logo").toLatin1());
        send("recall image, a line feed in its name", {"Option1", "RecallCMD=L\n!D ALL;<ok>"},
             {recallImage, refusal.arg("LF", "DATA STORAGE")}, "", {});
        send("recall twelve of a format", {"Option2", "RecallCMD=fmt;12"}, recallFormat,
             "Recall format FMT", "!R F FMT 0 100 A 12\r\n");
        send("recall format, no number", {"Option2", "RecallCMD=fmt;abc;<ok>"},
             recallFormat + QStringList{StorageCommands::invalidQuantity() + "|DATA STORAGE"}, "",
             {});
        send("recall format, a line end in its name", {"Option2", "RecallCMD=F\r\n!D ALL;1;<ok>"},
             recallFormat + QStringList{refusal.arg("CR", "DATA STORAGE")}, "", {});
        send("delete", {"DeleteCMD=logo"}, {deleteAsked}, "Delete logo",
             StorageCommands::deleteObject("logo").toLatin1());
        send("delete, a carriage return in its name", {"DeleteCMD=A\r!D ALL;<ok>"},
             {deleteAsked, refusal.arg("CR", "Delete Stored Object")}, "", {});
        send("list", {"ListCMD"}, {}, "List", StorageCommands::listObjects().toLatin1());
        send("firmware", words("BMemCMD=file:fw.bin BUpLoadCMD"), {},
             "Firmware fw.bin, 903 bytes, SHA-256 " +
                 QCryptographicHash::hash(firmware, QCryptographicHash::Sha256).toHex(),
             firmware);
    }
    void featuresSendTheirCommands()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, boxes);
        QFETCH(QString, logged);
        QFETCH(QByteArray, sent);
        const auto restore = qScopeGuard([this] {
            set(*ui, {"CIndexCmb=GAP", "CPrintModeCMB=DT", "RibbonCMB=WAX", "DarkChk=0",
                      "Slider1=0", "GSBMPop", "Option1"});
        });
        const SendLog &log = ui->window.sendLog();
        const int rows = log.rowCount();
        QStringList shown;
        for (const QString &step : steps) {
            QWidget *control = ui->control(step.section('=', 0, 0));
            if (qobject_cast<QComboBox *>(control) || qobject_cast<QSlider *>(control))
                set(*ui, {step});
            else
                shown += ui->run({step});
        }
        QCOMPARE(shown, boxes);
        QCOMPARE(ui->pty.readAvailable(sent.size()), sent);
        QVERIFY(ui->pty.readAvailable(1, 100).isEmpty());
        QCOMPARE(log.rowCount(), rows + (logged.isEmpty() ? 0 : 1));
        if (logged.isEmpty())
            return;
        // An operation of several parts, the calibration's two, is one row.
        const SendLog::Entry &entry = log.entry(log.rowCount() - 1);
        QVERIFY2(entry.what.startsWith(logged), qPrintable(entry.what));
        QCOMPARE(entry.head, sent);
        QCOMPARE(entry.outcome(), "Sent");
        QCOMPARE(entry.link, "Serial COM1 (" + ui->pty.slavePath() + ") 9600,N,8,1");
    }

    // A send while Communication Settings shows a change not applied asks
    // first, once: apply it, send to the link in force, or send nothing.
    // Enter applies in the COM box as on the network panel; choosing the
    // network link is a change like any other.
    void sendsAskAboutAnUnappliedLink_data()
    {
        // change: a field=text, or a link option; send: LINK is the link in
        // force; settings: of the link in force after the send.
        columns<QString, QString, int, QString, bool>(
            {"change", "send", "boxes", "settings", "sent"});
        const QString current = "=press:Send to LINK";
        row("Enter", "SBaudCombo=2400+Enter", "ListCMD", 0, "2400,N,8,1", true);
        row("Apply", "SBaudCombo=2400", "ListCMD=press:Apply", 1, "2400,N,8,1", true);
        row("Send to the link in force", "SBaudCombo=2400", "UploadCMD" + current, 1, "9600,N,8,1",
            true);
        row("Cancel", "SBaudCombo=2400", "ListCMD=press:Cancel", 1, "9600,N,8,1", false);
        // The calibration's two sends are one operation: asked once.
        row("network chosen", "CommOp_3", "CalCmd" + current, 1, "9600,N,8,1", true);
        row("network chosen, refused on Apply", "CommOp_3", "ListCMD=press:Apply;<ok>", 2,
            "9600,N,8,1", false);
    }
    void sendsAskAboutAnUnappliedLink()
    {
        QFETCH(QString, change);
        QFETCH(QString, send);
        QFETCH(int, boxes);
        QFETCH(QString, settings);
        QFETCH(bool, sent);
        const QString before = ui->window.link().description();
        // The serial link as it was, whatever the row found.
        const auto restore = qScopeGuard([this, before] {
            set(*ui, {"CommOp_0", "SBaudCombo=9600"});
            QCOMPARE(ui->run({"SApplyCmd_0"}), QStringList());
            QCOMPARE(ui->window.link().description(), before);
        });
        ui->window.tabs()->setCurrentIndex(MainWindow::CommunicationTab);
        set(*ui, {change.section('+', 0, 0)});
        if (change.endsWith("+Enter"))
            QTest::keyClick(ui->control<QComboBox>("SBaudCombo")->lineEdit(), Qt::Key_Return);
        QCOMPARE(ui->window.link().description() == before, boxes > 0);
        QCOMPARE(ui->control(change.startsWith("CommOp") ? "NetNotAppliedLbl" : "NotAppliedLbl")
                     ->isVisible(),
                 boxes > 0);
        const int rows = ui->window.sendLog().rowCount();
        const QStringList shown = ui->run({send.replace("LINK", before)});
        QCOMPARE(shown.size(), boxes);
        QCOMPARE(shown.value(0), boxes ? "Apply the change first?|Labelsmithy|icon" : "");
        QVERIFY(ui->window.link().description().endsWith(settings));
        QCOMPARE(ui->pty.readAvailable(sent ? 1 : 0, 500).isEmpty(), !sent);
        QCOMPARE(ui->window.sendLog().rowCount() > rows, sent);
    }

    // A port another program holds: one box per send, the port closed after.
    void heldPortIsReported()
    {
        QSerialPort other;
        other.setPortName(ui->pty.slavePath());
        QVERIFY(other.open(QIODevice::WriteOnly));
        // A terminal of the same name in a mount namespace of its own is
        // another terminal: whoever holds it is not named. (Where the
        // machine forbids namespaces, there is none.)
        QProcess elsewhere;
        elsewhere.start("unshare", {"--user", "--map-root-user", "--mount", "--propagation",
                                    "private", "python3", "-c", R"(
import os, subprocess, sys
subprocess.run(["mount", "-t", "devpts", "-o", "newinstance,ptmxmode=0666", "devpts",
                "/dev/pts"], check=True)
held = [os.openpty()]
while os.ttyname(held[-1][1]) != sys.argv[1] and len(held) < 1000:
    held.append(os.openpty())
print("holding", os.ttyname(held[-1][1]), flush=True)
sys.stdin.read()
)",
                                    ui->pty.slavePath()});
        elsewhere.waitForReadyRead(5000);
        const bool heldElsewhere = elsewhere.readAll() == "holding " + ui->pty.slavePath() + "\n";
        // The cause names the holder, here this test itself; the text send
        // keeps its fixed box and gives the cause below it.
        const QString cause = "COM1 (" + ui->pty.slavePath() +
                              ") is in use by another program (tst_window, process " +
                              QString::number(QCoreApplication::applicationPid()) +
                              "). Close that program and try again.";
        QCOMPARE(ui->run({"ListCMD=<ok>", "BMemCMD=file:fw.bin", "BUpLoadCMD=<ok>"}),
                 (QStringList{"Error Opening CommPort for String Send|SComString|why: " + cause,
                              "Error: " + cause + "|8010"}));
        // A cell too narrow for the cause shows it whole as a tool tip.
        const SendLog &log = ui->window.sendLog();
        QCOMPARE(log.index(log.rowCount() - 1, SendLog::Outcome).data(Qt::ToolTipRole),
                 "Failed: " + cause);
        other.close();
        elsewhere.closeWriteChannel();
        QVERIFY(elsewhere.waitForFinished(5000) || !heldElsewhere);
        QCOMPARE(openDescriptors(ui->pty.slavePath()), 1); // the terminal's own
        QVERIFY(ui->idle());

        // The calibration stops at its failed settings block, even when the
        // port is free again by then: one box, nothing sent, one row closed
        // as failed, and the next operation a row of its own.
        QVERIFY(other.open(QIODevice::WriteOnly));
        const QMetaObject::Connection letGo = connect(&ui->window.link(), &PrinterLink::finished,
                                                      &other, [&other] { other.close(); });
        const int rows = log.rowCount();
        QCOMPARE(ui->run({"CalCmd=<ok>"}),
                 QStringList{"Error Opening CommPort for String Send|SComString|why: " + cause});
        disconnect(letGo);
        QVERIFY(state("LastSendLbl").startsWith("Failed at "));
        QVERIFY(ui->pty.readAvailable(1, 300).isEmpty());
        QCOMPARE(ui->run({"ListCMD"}), QStringList());
        QCOMPARE(ui->pty.readAvailable(4), StorageCommands::listObjects().toLatin1());
        QCOMPARE(log.rowCount(), rows + 2);
        QCOMPARE(log.entry(rows).what, "Calibration");
        QCOMPARE(log.entry(rows).outcome(), "Failed: " + cause);
        QCOMPARE(log.entry(rows + 1).what, "List");
        QCOMPARE(log.entry(rows + 1).outcome(), "Sent");

        // Another printer: the outcome of the last one is no news of it.
        const LinkAddress before = ui->window.link().address();
        const auto restore = qScopeGuard([&] { ui->window.link().setAddress(before); });
        QVERIFY(state("LastSendLbl").startsWith("Sent at "));
        ui->window.link().setAddress(std::get<LinkAddress>(LinkAddress::parse("LPT2")));
        QCOMPARE(state("LastSendLbl"), "");
        // A new image clears the outcome of the last one's upload.
        QCOMPARE(ui->control<QLabel>("UStatLbl")->text(), "Upload Failed");
        QCOMPARE(ui->run({"BMemCMD=file:fw.bin"}), QStringList());
        QCOMPARE(ui->control<QLabel>("UStatLbl")->text(), "No File Loaded to Printer");
    }

    // A file cut short while it is read: the box names it; nothing stays open.
    void fileCutShortIsReported()
    {
        const QString path = ui->file("cut.bin", QByteArray(300000, 'c'));
        OnBusy cut(ui->tabBar(), [&] { QFile::resize(path, 0); });
        QCOMPARE(ui->run({"BMemCMD=file:cut.bin;<ok>"}),
                 QStringList{"Input past end of file: " + path + "|62"});
        QCOMPARE(openDescriptors(path), 0);
    }

    // The overflow buffer stays at least 1024 below the main buffer; a main
    // buffer of 1024 or less leaves no overflow at all.
    void buffersStayCoupled()
    {
        ui->click("TextBufferChk");
        auto *main = ui->control<QSlider>("TextBufMain");
        auto *overflow = ui->control<QSlider>("TextBufOver");
        const QString labels = "TextBufferLbl OverflowLbl";
        main->setValue(8192);
        overflow->setValue(5000);
        QCOMPARE(state(labels), "8192 5000");
        main->setSliderPosition(2048); // dragged down: the overflow follows its maximum
        QCOMPARE(overflow->maximum(), 1024);
        QCOMPARE(state(labels), "2048 1024");
        main->setSliderPosition(1000);
        QCOMPARE(state(labels), "1000 0");
        main->setValue(4096);
        QTest::keyClick(overflow, Qt::Key_PageUp); // the label follows each step of the thumb
        QCOMPARE(state(labels), "4096 5");
        ui->click("UploadCMD");
        QVERIFY(ui->pty.readAvailable().contains("\r\nVARIABLE TXTBFR 4096 5\r\n"));
        ui->click("TextBufferChk");
    }

    // Values go in in file order, each through its control's own check; the
    // scaler 0 is refused, and nothing after it changes. The darkness slider
    // follows its label, so the next arrow key starts from the imported value.
    void profileImportStopsAtTheFirstRefusedValue()
    {
        const QString later = "TextBufferChk TextBufMain PrintModeChk PrintModeCMB WidthTxt";
        const QString before = state(later);
        const ProfileRecord record{1, 30, 0, "300", 0, "NORMAL", 1, 0, 0, 1, 8192, 0, 1, "TT"};
        ui->file("refused.vsp", std::get<QByteArray>(ProfileCodec::encode(record)));
        QCOMPARE(
            ui->run({"LoadCMD=file:refused.vsp;<ok>;<ok>"}),
            (QStringList{"Invalid property value|380", "Error Opening File|Load Configuration"}));
        QCOMPARE(state("DarkChk DarkLbl Slider1 KestraChk"), "2 30 30 2");
        QCOMPARE(state(later), before);
        for (const char *name : {"DarkChk", "KestraChk"})
            ui->click(name);
    }

    // A graphic the printer cannot take as the type chosen is refused in
    // words before an identifier is asked, and nothing is sent; the tab
    // shows what is in memory as the type chosen, and its size.
    void graphicsAreCheckedBeforeTheyAreStored()
    {
        ui->file("pcx.bmp", pcxPicture);
        QCOMPARE(ui->run({"GSBMPop", "BrowseCMD=file:pcx.bmp", "StoreCMD=<ok>"}),
                 QStringList{"pcx.bmp is a PCX image, but BMP is chosen as its type: store it as "
                             "PCX.|Graphic Storage"});
        QCOMPARE(ui->pty.readAvailable(), QByteArray());
        // Drawn on the reading thread; the status says what the read gave.
        QTRY_COMPARE(state("GraphicSizeLbl StatLbl"),
                     "Not a 1-bit BMP the printer takes Cannot be stored as BMP");
        QVERIFY(ui->control<QLabel>("GraphicPic")->pixmap().isNull());
        ui->control<QAbstractButton>("GSPCXOp")->click();
        QTRY_COMPARE(state("GraphicSizeLbl StatLbl"),
                     "16 × 60 dots, 2.0 × 7.5 mm READ INTO MEMORY");
        // The dots of the first line: dark, light, light, dark.
        const QImage shown = ui->control<QLabel>("GraphicPic")->pixmap().toImage();
        for (int x = 0; x < 4; ++x) {
            const QPoint centre((x * 2 + 1) * shown.width() / 32, shown.height() / 120);
            QCOMPARE(qGray(shown.pixel(centre)) < 128, x % 3 == 0);
        }
        ui->control<QAbstractButton>("GSBMPop")->click();
    }

    // The conversion shown can be kept as a BMP file: the bytes Use takes.
    // One wider than the printable width set is shown with a warning; one
    // beyond what the printer stores is refused in words and cannot be
    // taken or saved.
    void conversionsCanBeSavedAsBmp()
    {
        GraphicConvertDialog dialog(QImage(12, 5, QImage::Format_RGB32), "logo.png", 10,
                                    ui->window.commonDialog(), &ui->window);
        ModalAnswerer boxes;
        boxes.chooseFile(ui->dir.filePath("saved"));
        dialog.findChild<QPushButton *>("SaveCMD")->click();
        QCOMPARE(boxes.summary().value(0).section('|', 1, 1), "Bitmaps (*.bmp)");
        QCOMPARE(fileBytes(ui->dir.filePath("saved.bmp")), dialog.bmp());
        QCOMPARE(dialog.bmp().size(), 62 + 5 * 4);
        // The labels, then whether Use and Save can be pressed.
        const auto shown = [this](QDialog &box) {
            return state("WidthWarningLbl ResultSizeLbl", &box) +
                   QStringLiteral(" %1 %2")
                       .arg(box.findChild<QPushButton *>("UseCMD")->isEnabled())
                       .arg(box.findChild<QPushButton *>("SaveCMD")->isEnabled());
        };
        QCOMPARE(shown(dialog),
                 "Wider than the printable width of 10 dots set on Printer "
                 "Configuration: the printer cuts off the rest. 12 × 5 dots, 1.5 × 0.6 "
                 "mm 1 1");
        dialog.findChild<QCheckBox *>("WidthChk")->click();
        dialog.findChild<QSpinBox *>("WidthSpin")->setValue(10);
        QCOMPARE(shown(dialog), " 10 × 4 dots, 1.3 × 0.5 mm 1 1");
        GraphicConvertDialog thin(QImage(1, 30, QImage::Format_RGB32), "thin.png", 0,
                                  ui->window.commonDialog(), &ui->window);
        thin.findChild<QCheckBox *>("WidthChk")->click();
        thin.findChild<QSpinBox *>("WidthSpin")->setValue(4000);
        QCOMPARE(shown(thin),
                 " thin.png would convert to 4,000 × 120,000 dots: the printer stores graphics of "
                 "at most 4,000 × 16,000 dots and 2,097,152 bytes. 0 0");
        QVERIFY(thin.bmp().isEmpty());
    }

    // Convert… offers the picture chosen with Browse, though another file
    // was chosen since.
    void convertOffersTheChosenPicture()
    {
        ui->file("pick.bmp", Pictures::bmp(8, 8, 24));
        ui->file("pick.txt", "! 0 100 200 1\r\nEND\r\n");
        QCOMPARE(ui->run({"BrowseCMD=file:pick.bmp", "FBrowseCMD=file:pick.txt"}), QStringList());
        QCOMPARE(ui->click("ConvertCMD", {"<cancel>"}).value(0).section('|', 2), "pick.bmp");
    }

    // A refused text shows its box in its place in the import: the number
    // out of range and the unknown mode stay in sight while their boxes are
    // open, the fields after them not yet in; letters are replaced first.
    void profileImportRefusesTextsInPlace()
    {
        const QString seen = "WidthTxt PrintModeChk PrintModeCMB";
        const QString before = state(seen);
        const ProfileRecord record{0, 0, 0, "417", 1, "fast", 0, 0, 100, 0, 4096, 0, 1, "dt"};
        ui->file("texts.vsp", std::get<QByteArray>(ProfileCodec::encode(record)));
        QStringList during;
        ModalAnswerer boxes;
        boxes.chooseFile(ui->dir.filePath("texts.vsp"));
        for (int box = 0; box < 3; ++box) {
            boxes.then([&](QWidget *message) {
                during << state("PrintSpeedCMB " + seen);
                qobject_cast<QMessageBox *>(message)->button(QMessageBox::Ok)->click();
            });
        }
        ui->click("LoadCMD");
        QCOMPARE(
            boxes.summary().mid(1),
            (QStringList{"Invalid Print Speed|Printer Setup", "Maximum Width is 416|Printer Setup",
                         "Invalid Print Mode. Valid Modes are DT and TT|Printer Setup"}));
        QCOMPARE(during, (QStringList{"fast " + before, "NORMAL 417 " + before.section(' ', 1),
                                      "NORMAL 416 2 dt"}));
        QCOMPARE(state("PrintSpeedCMB " + seen), "NORMAL 416 2 DT");
        for (const char *name : {"PrintSpeedChk", "PrintModeChk"})
            ui->click(name);
    }

    // The window's one busy state: while a transfer runs the tab bar, every
    // input of every page but the transfer's Cancel, and the log window's
    // Reset Settings are off; once it has been sent, has failed (its box
    // closed) or was cancelled, every control is as it was, a settings group
    // off with its switch and a format's send, off until the next browse,
    // included. Cancel (the button or Esc) ends a transfer that waits on a
    // full printer at once: no box, the port closed, the status says so;
    // meanwhile the status tells how far it is. Closing the window asks
    // first: Enter keeps sending, as Keep Sending does; stopping ends it as
    // Cancel does, and the window with it.
    void aTransferLeavesEveryControlAsItWas_data()
    {
        columns<QString, QString, QString, int>({"load", "send", "status", "boxes"});
        // An unforeseen box is answered, and counted.
        row("upload sent", "BMemCMD", "BUpLoadCMD=<ok>", "File Uploaded", 0);
        row("upload failed", "BMemCMD", "BUpLoadCMD=<ok>", "Upload Failed", 1);
        row("upload cancelled", "BMemCMD", "BUpLoadCMD=<ok>", "Upload Cancelled", 0);
        row("graphic cancelled by Esc", "BrowseCMD", "StoreCMD=logo;<ok>", "STORING CANCELLED", 1);
        row("upload stopped to quit", "BMemCMD", "BUpLoadCMD=<enter>;press:Stop and Quit;<ok>",
            "Upload Cancelled", 2);
    }
    void aTransferLeavesEveryControlAsItWas()
    {
        QFETCH(QString, load);
        QFETCH(QString, send);
        QFETCH(QString, status);
        QFETCH(int, boxes);
        const bool cancelled = status.contains("cancelled", Qt::CaseInsensitive);
        const bool escape = send.startsWith("Store"), closing = send.contains("Quit");
        WindowDriver other;
        const auto controls = [&other](bool inputsOnly) {
            QStringList shown;
            if (!inputsOnly || other.tabBar()->isEnabled())
                shown << QString("tabs=%1").arg(other.tabBar()->isEnabled());
            for (QWidget *control : other.window.tabs()->findChildren<QWidget *>()) {
                const bool input =
                    (qobject_cast<QAbstractButton *>(control) ||
                     qobject_cast<QLineEdit *>(control) || qobject_cast<QComboBox *>(control) ||
                     qobject_cast<QAbstractSlider *>(control) ||
                     qobject_cast<QAbstractSpinBox *>(control)) &&
                    !qobject_cast<QScrollBar *>(control);
                if (!control->objectName().isEmpty() && (!inputsOnly || input) &&
                    (!inputsOnly || control->isEnabled()))
                    shown << QString("%1=%2").arg(control->objectName()).arg(control->isEnabled());
            }
            return shown.join(' ');
        };
        other.file("big.bin", cancelled ? Pictures::bmp(4096, 2048) : firmware);
        other.file("fw.bin", firmware);
        other.file("fmt.txt", formatFile.toLatin1());
        QCOMPARE(other.run({"DarkChk", "FBrowseCMD=file:fmt.txt", "FSTandardOp1",
                            load + "=file:big.bin", "LogCMD"}),
                 QStringList());
        const QString before = controls(false);
        QVERIFY(before.contains("Slider1=1") && before.contains("WidthTxt=0") &&
                before.contains("FStoreCMD=0") && before.contains("FBrowseCMD=1") &&
                before.contains("CancelCMD=0"));
        QWidget *reset = other.control("ResetCMD");
        other.window.findChild<ConfigPage *>()->settle(); // no settings left to send
        QSerialPort holder;
        holder.setPortName(other.pty.slavePath());
        if (status == "Upload Failed")
            QVERIFY(holder.open(QIODevice::WriteOnly));
        other.window.link().setStallLimitMs(5000);
        other.pty.pauseReading(cancelled);
        QString during, shown, bar;
        bool started = false;
        QObject scope; // no timer outlives the test
        OnBusy busy(other.tabBar(), [&] {
            if (std::exchange(started, true))
                return;
            QTimer::singleShot(cancelled ? 300 : 0, &scope, [&] {
                during = controls(true) + (reset->isEnabled() ? " ResetCMD=1" : "");
                shown = other.control<QLabel>(escape ? "StatLbl" : "UStatLbl")->text();
                // The status bar tells of this transfer, not the last one.
                bar = state("LastSendLbl", &other.window);
                // A file dropped now would be read over the bytes being sent.
                QCOMPARE(drop(other, escape ? "FilePathTxt" : "BinaryPage", {"fw.bin"}), "refused");
                if (escape) {
                    // The identifier box just closed: the window is active again.
                    other.window.activateWindow();
                    QVERIFY(QTest::qWaitForWindowActive(&other.window));
                    QTest::keyClick(&other.window, Qt::Key_Escape);
                } else if (closing) {
                    other.window.close();
                    QTimer::singleShot(300, &scope, [&] { other.window.close(); });
                } else if (cancelled)
                    other.window.tabs()
                        ->currentWidget()
                        ->findChild<QPushButton *>("CancelCMD")
                        ->click();
            });
        });
        QElapsedTimer clock;
        clock.start();
        const QStringList shownBoxes = other.run({send});
        other.pty.pauseReading(false);
        QCOMPARE(shownBoxes.size(), boxes);
        if (escape) // then no box but the identifier's
            QCOMPARE(shownBoxes.value(0), "Enter Identifier|Graphic Storage|Image_1");
        QCOMPARE(other.control<QLabel>(escape ? "StatLbl" : "UStatLbl")->text(), status);
        QCOMPARE(during, "CancelCMD=1");
        QCOMPARE(controls(false), before);
        QVERIFY(reset->isEnabled());
        holder.close();
        QCOMPARE(openDescriptors(other.pty.slavePath()), 1); // the terminal's own
        if (!cancelled)
            return;
        QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
        QVERIFY2(bar.startsWith("Sending to Serial COM1 (" + other.pty.slavePath()),
                 qPrintable(bar));
        QVERIFY2(
            shown.contains(QRegularExpression("^(Uploading|Sending) \\d+(\\.\\d)? kB of 1\\.0 MB")),
            qPrintable(shown));
        // The log row and the status bar tell how much of it the printer took.
        const SendLog &log = other.window.sendLog();
        const SendLog::Entry &row = log.entry(log.rowCount() - 1);
        QVERIFY(row.delivered > 0 && row.delivered < row.size);
        const QLocale english(QLocale::English);
        QCOMPARE(log.index(log.rowCount() - 1, SendLog::Size).data().toString(),
                 english.toString(row.delivered) + " of " + english.toString(row.size) +
                     " bytes delivered");
        QTRY_COMPARE(other.window.isVisible(), !closing);
        QCOMPARE(other.window.stopSignal().isRaised(), closing);
        if (closing)
            QCOMPARE(shownBoxes, QStringList(2, "A transfer to the printer is running. Stop it "
                                                "and quit?|Labelsmithy|icon"));
        // Stopped to quit, it is told as the cancel it was, as the page says.
        QCOMPARE(state("LastSendLbl", &other.window)
                     .replace(QRegularExpression("\\d\\d:\\d\\d:\\d\\d"), "TIME"),
                 QString("Cancelled at TIME (%1 of %2 bytes delivered)")
                     .arg(row.delivered)
                     .arg(row.size));
    }

    // A network printer's status is read before an upload; its SNMP agent
    // keeps silent. Cancel, or closing the window, ends the upload at once,
    // not when the read gives up, and leaves no socket open.
    void cancelDuringAStatusReadEndsAtOnce_data()
    {
        columns<bool>({"closing"});
        row("Cancel", false);
        row("closing the window", true);
    }
    void cancelDuringAStatusReadEndsAtOnce()
    {
        QFETCH(bool, closing);
        QUdpSocket silent;
        LoopbackPrinter printer;
        QVERIFY(silent.bind(QHostAddress::LocalHost, 0) && printer.listening);
        // The link applied below is remembered too.
        const SettingsKept kept;
        QSettings(Settings::filePath(), QSettings::IniFormat)
            .setValue("link/snmpPort", silent.localPort());
        WindowDriver other;
        other.file("fw.bin", firmware);
        QCOMPARE(other.run({"BMemCMD=file:fw.bin"}), QStringList());
        // The link applied on its tab, so that no change waits to be asked
        // about. The window reads the status of the link it shows, from a
        // socket of its own; the upload's read comes from another.
        set(other, {"CommOp_3", "NetHostTxt=127.0.0.1",
                    "NetPortTxt=" + QString::number(printer.serverPort())});
        other.click("NetApplyCmd");
        QCOMPARE(other.window.link().description(), "Network " + printer.target().mid(6));
        const auto askers = [&silent] {
            QSet<quint16> ports;
            char datagram[1500];
            quint16 port = 0;
            while (silent.hasPendingDatagrams())
                if (silent.readDatagram(datagram, sizeof datagram, nullptr, &port) >= 0)
                    ports << port;
            return ports;
        };
        QTest::qWait(50);
        const QSet<quint16> shown = askers();
        other.control<QPushButton>("BUpLoadCMD")->click();
        quint16 uploading = 0;
        QVERIFY(QTest::qWaitFor([&] {
            const QSet<quint16> now = askers() - shown;
            uploading = now.isEmpty() ? 0 : *now.begin();
            return uploading != 0;
        }));
        QElapsedTimer clock;
        clock.start();
        if (closing)
            other.window.close();
        else
            other.window.tabs()
                ->widget(MainWindow::BinaryTab)
                ->findChild<QPushButton *>("CancelCMD")
                ->click();
        QTRY_VERIFY_WITH_TIMEOUT(other.idle(), 100);
        QVERIFY2(clock.elapsed() < 100, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(other.control<QLabel>("UStatLbl")->text(), "Upload Cancelled");
        QTRY_COMPARE_WITH_TIMEOUT(other.window.isVisible(), !closing, 100);
        QVERIFY(!udpPortBound(uploading));
        QCOMPARE(printer.received, QByteArray());
    }

    // The sliders that take a typed value open its box on the right button,
    // the Menu key and Shift+F10 alike; each value is shown beside its
    // slider and follows the arrow keys.
    void slidersTakeATypedValueFromTheKeyboard_data()
    {
        // box: prompt|title
        columns<QString, int, QString, QString>({"slider", "key", "box", "label"});
        row("scaler, Menu", "EmulationSlider", int(Qt::Key_Menu),
            "Please Enter Desired Scaler|Scaler Setting", "ScalerLbl");
        row("main buffer, Shift+F10", "TextBufMain", int(Qt::Key_F10),
            "Set Value for Main Text Buffer|Primary Text Buffer", "TextBufferLbl");
        row("overflow, Menu", "TextBufOver", int(Qt::Key_Menu),
            "Enter value for Overflow Buffer|Overflow Buffer", "OverflowLbl");
    }
    void slidersTakeATypedValueFromTheKeyboard()
    {
        QFETCH(QString, slider);
        QFETCH(int, key);
        QFETCH(QString, box);
        QFETCH(QString, label);
        set(*ui, {"KestraChk=1", "TextBufferChk=1"});
        auto *control = ui->control<QSlider>(slider);
        const int start = control->value();
        ModalAnswerer boxes;
        boxes.answer("120");
        QTest::keyClick(control, Qt::Key(key),
                        key == Qt::Key_F10 ? Qt::ShiftModifier : Qt::NoModifier);
        QTRY_COMPARE(boxes.summary().value(0).section('|', 0, 1), box);
        for (int press = 0; press < 3; ++press)
            QTest::keyClick(control, Qt::Key_Right);
        QCOMPARE(state(label), "123");
        control->setValue(start);
        set(*ui, {"KestraChk=0", "TextBufferChk=0"});
    }

    // Quitting with configuration settings changed since they were last
    // uploaded, exported or imported asks first; otherwise it quits at once.
    void quittingAsksAboutUnsentSettings_data()
    {
        columns<QString, bool>({"steps", "asked"});
        row("nothing changed", "", false);
        row("changed", "DarkChk", true);
        row("changed back", "DarkChk DarkChk", false);
        row("uploaded", "DarkChk UploadCMD", false);
        row("exported", "DarkChk ExportCMD=file:q.vsp", false);
        row("imported", "DarkChk ExportCMD=file:q.vsp DarkChk UploadCMD LoadCMD=file:q.vsp", false);
    }
    void quittingAsksAboutUnsentSettings()
    {
        QFETCH(QString, steps);
        QFETCH(bool, asked);
        WindowDriver other;
        QCOMPARE(other.run(words(steps)), QStringList());
        const QString question = "Quit without sending the changed settings?|Labelsmithy|icon";
        // Enter keeps the window, as Cancel does.
        ModalAnswerer boxes;
        boxes.then([](QWidget *box) { QTest::keyClick(box, Qt::Key_Return); })
            .press("Cancel")
            .press("Quit");
        for (bool kept : {true, true, false}) {
            other.window.close();
            QCOMPARE(other.window.isVisible(), kept && asked);
        }
        QCOMPARE(boxes.summary(),
                 asked ? QStringList({question, question, question}) : QStringList());
    }

    // A serial virtual printer at 115200 baud, its own program on a
    // pseudo-terminal, takes a configuration and a 64 KiB graphic from the
    // window: the settings in force and the graphic whole, every byte in
    // order and none unknown. It reads 11520 bytes a second: about 6 s.
    void serialVirtualPrinterTakesAGraphicInOrder()
    {
        QTemporaryDir dir;
        QProcess printer;
        printer.start(VARIMONDE_VIRTUAL_BINARY,
                      {"--serial", "115200,N,8,1", "--state", dir.filePath("state.json")});
        const auto stop = qScopeGuard([&printer] {
            printer.terminate();
            printer.waitForFinished(5000);
        });
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += printer.readAllStandardOutput()).contains("ready"),
                                 10000);
        const QRegularExpressionMatch path =
            QRegularExpression("printer serial1 serial (\\S+) at 115200,N,8,1\n")
                .match(QString::fromUtf8(said));
        QVERIFY2(path.hasMatch(), said.constData());

        WindowDriver window;
        window.window.link().portNames().redirect("COM1", path.captured(1));
        window.window.tabs()->setCurrentIndex(MainWindow::CommunicationTab);
        set(window, {"CommOp_0", "SBaudCombo=115200"});
        QCOMPARE(window.run({"SApplyCmd_0"}), QStringList());
        QVERIFY(window.window.link().description().endsWith("115200,N,8,1"));
        // The link stays remembered: the next window starts at 9600 again.
        const auto restore = qScopeGuard([&window] {
            set(window, {"SBaudCombo=9600"});
            window.run({"SApplyCmd_0"});
        });

        set(window, {"DarkChk=1", "Slider1=-7"});
        window.click("UploadCMD");
        const QByteArray graphic = Pictures::bmp(800, 655); // 64 KiB and a header
        window.file("big.bmp", graphic);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(window.run({"GSBMPop", "BrowseCMD=file:big.bmp", "StoreCMD=big"}).size(), 1);
        const qint64 sending = clock.elapsed();
        const auto printerState = [&dir] {
            return QJsonDocument::fromJson(fileBytes(dir.filePath("state.json")))["printers"][0];
        };
        QTRY_VERIFY_WITH_TIMEOUT(!printerState()["objects"].toArray().isEmpty(), 10000);
        // Taken at the printer's pace; the send ended a little earlier, when
        // the last byte was in the terminal's buffer.
        const qint64 taken = clock.elapsed();
        const QJsonObject state = printerState().toObject();
        QVERIFY2(taken >= graphic.size() * 1000 / 11520 * 9 / 10,
                 qPrintable(QString::number(taken)));
        QCOMPARE(state["unknown bytes"].toInteger(), 0);
        QCOMPARE(state["settings"].toObject()["DARKNESS"].toString(), "-7");
        const QString sha256 =
            QCryptographicHash::hash(graphic, QCryptographicHash::Sha256).toHex();
        QCOMPARE(
            state["objects"][0].toObject(),
            (QJsonObject{
                {"name", "BIG"}, {"kind", "BMP"}, {"size", graphic.size()}, {"sha256", sha256}}));
        qInfo("64 KiB graphic at 115200 baud: sent in %lld ms, all taken in %lld ms", sending,
              taken);
    }
};

VARIMONDE_TEST_MAIN(TestWindow)
#include "tst_window.moc"
