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
#include "support/Pictures.h"
#include "support/TestMain.h"
#include "support/WindowDriver.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSerialPort>
#include <QSlider>
#include <QTabWidget>
#include <QTableView>

#include <functional>

namespace
{

const QString formatFile = "NAME\r\nA 1\rB\n2\r\n";

// Bytes a row expects, made when the row runs.
using Bytes = std::function<QByteArray()>;

} // namespace

Q_DECLARE_METATYPE(Bytes)

class TestWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowDriver> ui;
    QByteArray picture, pcxPicture, firmware;
    QRect startGeometry;

    // The folder the file dialog opens in for each click, choosing `choose`
    // (a name in the driver's folder) or cancelling when empty.
    QString lastOffered; // the name the last dialog opened with
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
            dialog->findChild<QLineEdit *>("fileNameEdit")->setText(ui->dir.filePath(choose));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        if (button == "LoadCMD" && !choose.isEmpty())
            boxes.pressOk(); // the test files are no profiles
        ui->click(button);
        return folder;
    }
    // Drops `paths` on `target` as a file manager would.
    void drop(const QString &target, const QStringList &paths)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString &path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        QWidget *widget = ui->control(target);
        const QPoint at = widget->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(widget, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(widget, &dropped);
        QVERIFY(dropped.isAccepted());
    }

    QStringList run(const QStringList &steps) { return ui->run(steps); }
    QString state(const QString &names, QWidget *window = nullptr) const
    {
        QStringList values;
        for (const QString &name : words(names)) {
            QWidget *control = window ? window->findChild<QWidget *>(name) : ui->control(name);
            if (auto *box = qobject_cast<QCheckBox *>(control))
                values << QString::number(box->checkState());
            else if (auto *slider = qobject_cast<QSlider *>(control))
                values << QString::number(slider->value());
            else if (auto *combo = qobject_cast<QComboBox *>(control))
                values << combo->currentText();
            else if (auto *edit = qobject_cast<QLineEdit *>(control))
                values << edit->text();
            else if (auto *option = qobject_cast<QAbstractButton *>(control))
                values << QString::number(option->isChecked());
            else
                values << qobject_cast<QLabel *>(control)->text();
        }
        return values.join(' ');
    }

private slots:
    void initTestCase()
    {
        ui = std::make_unique<WindowDriver>();
        startGeometry = ui->window.geometry();
        // The first start fits the window to the screen.
        QVERIFY(ui->window.screen()->availableGeometry().contains(ui->window.frameGeometry()));
        ui->window.link().setStallLimitMs(300);
        for (int i = 0; i < 903; ++i)
            firmware.append(char(i * 7 + 0x11));
        picture = Pictures::bmp(16, 60);
        pcxPicture = Pictures::pcx(16, 60);
        ui->file("pic.bmp", picture);
        ui->file("pic.pcx", pcxPicture);
        ui->file("fw.bin", firmware);
        ui->file("fmt.txt", formatFile.toLatin1());
    }
    void cleanup() { ui->pty.readAvailable(); }

    // On the first start each kind of file is looked for in the home folder,
    // then where the last one of its kind came from; Reset forgets that, the
    // window's place and the printer link, which a new start takes up but
    // for a value no longer taken.
    void dialogsStartWhereTheirKindWasFound_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("other"); // a kind not chosen yet
        QTest::newRow("firmware") << "BMemCMD"
                                  << "BrowseCMD";
        QTest::newRow("graphic") << "BrowseCMD"
                                 << "FBrowseCMD";
        QTest::newRow("format") << "FBrowseCMD"
                                << "LoadCMD";
        QTest::newRow("profile") << "LoadCMD" << QString(); // the kinds before have been chosen
    }
    void dialogsStartWhereTheirKindWasFound()
    {
        QFETCH(QString, button);
        QFETCH(QString, other);
        const QString home = QDir::homePath();
        QVERIFY(home != QDir::currentPath());
        QDir(ui->dir.path()).mkdir(button);
        ui->file(button + "/chosen.txt", "x");
        QCOMPARE(folderOf(button, button + "/chosen.txt"), home);
        QCOMPARE(folderOf(button), ui->dir.filePath(button));
        if (!other.isEmpty()) {
            QCOMPARE(folderOf(other), home);
            QVERIFY2(!lastOffered.contains("chosen"),
                     qPrintable(lastOffered)); // not another kind's
        }
    }
    void resetForgetsWhatWasRemembered()
    {
        ui->window.setGeometry(startGeometry.adjusted(10, 10, 30, 30));
        ui->click("LogCMD");
        auto *log = ui->control("LogFrm");
        QVERIFY(log->isVisible());
        QCOMPARE(ui->click("ResetCMD", {"<cancel>"}).size(), 1);
        QCOMPARE(folderOf("BMemCMD"), ui->dir.filePath("BMemCMD"));
        const auto shown = [this](MainWindow &window) {
            return window.link().description() + ' ' +
                   state("SPortCombo SBaudCombo SParityCombo SBitsCombo NetHostTxt NetPortTxt "
                         "CommOp_3",
                         &window);
        };
        const QString starting = shown(ui->window);
        for (const QString &field : words("SPortCombo=3 SBaudCombo=19200 SParityCombo=E "
                                          "SBitsCombo=7 NetHostTxt=127.0.0.1 NetPortTxt=9101"))
            ui->control(field.section('=', 0, 0))
                ->setProperty(field.contains("Txt") ? "text" : "currentText",
                              field.section('=', 1));
        QCOMPARE(run({"SApplyCmd_0"}), QStringList());
        ui->control<QAbstractButton>("CommOp_3")->click(); // its middle may be past its text
        QCOMPARE(run({"NetApplyCmd"}), QStringList());
        const QString network = "Network 127.0.0.1:9101 %1 127.0.0.1 9101 1";
        QCOMPARE(shown(*std::make_unique<MainWindow>()), network.arg("3 19200 E 7"));
        QFile file(Settings::filePath());
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QByteArray damaged = file.readAll().replace("COM3", "COM999").replace("E,7", "E,9");
        QVERIFY(file.resize(0) && file.write(damaged) == damaged.size() && file.flush());
        for (const QString value : {"COM999", "19200,E,9,1"})
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("remembered .*\"" + value + '"'));
        QCOMPARE(shown(*std::make_unique<MainWindow>()), network.arg("1 9600 N 8"));
        QCOMPARE(ui->click("ResetCMD", {"<ok>"}),
                 QStringList{"Forget the window's size and place, the folders the file "
                             "dialogs open in and the printer link?|Reset Settings|icon"});
        QCOMPARE(shown(ui->window), starting);
        QCOMPARE(ui->window.geometry(), startGeometry);
        for (const char *button : {"BMemCMD", "BrowseCMD", "FBrowseCMD", "LoadCMD"})
            QCOMPARE(folderOf(button), QDir::homePath());
        log->close();
    }

    // A link remembered without a network printer comes back without a word.
    void aLinkWithoutNetworkPrinterComesBackQuietly()
    {
        QCOMPARE(run({"SApplyCmd_0"}), QStringList());
        QTest::failOnWarning(QRegularExpression("remembered"));
        QVERIFY(MainWindow().link().address().host().isEmpty());
    }

    // A USB printer remembered stays the link while it is unplugged; no
    // other file is ever taken for one.
    void onlyUsbPrintersAreRememberedAsSuch_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("taken");
        QTest::newRow("unplugged") << "/dev/usb/lp7" << true;
        QTest::newRow("another device") << "/dev/sda" << false;
        QTest::newRow("climbing out") << "/dev/usb/../../etc/lp0" << false;
    }
    void onlyUsbPrintersAreRememberedAsSuch()
    {
        QFETCH(QString, device);
        QFETCH(bool, taken);
        LinkAddress address = ui->window.link().address();
        address.setKind(LinkAddress::Kind::UsbPrinter);
        address.setUsbDevice(device);
        ui->window.settings().setLink(address);
        ui->window.settings().sync();
        if (!taken)
            QTest::ignoreMessage(
                QtWarningMsg, QRegularExpression("remembered .*\"" + device + "\": No such USB"));
        MainWindow again;
        QCOMPARE(again.link().description() == "USB Printer " + device + " (not connected)", taken);
        QCOMPARE(again.link().address().usbDevice() == device, taken);
        ui->window.settings().setLink(ui->window.link().address());
        ui->window.settings().sync();
    }

    // What one run remembers, the next finds; a record that cannot be read
    // is passed over with a warning, and the starting values hold.
    void settingsSurviveARestart()
    {
        const auto remembered = [](MainWindow &window) {
            const QRect place = window.geometry();
            return QStringLiteral("%1,%2 %3x%4 %5")
                .arg(place.x())
                .arg(place.y())
                .arg(place.width())
                .arg(place.height())
                .arg(window.settings().lastFolder(Settings::Folder::Graphic));
        };
        if (qEnvironmentVariableIsSet("VARIMONDE_FRESH_RUN")) {
            MainWindow again;
            std::printf("remembered: %s\n", qPrintable(remembered(again)));
            return;
        }
        QString before;
        {
            MainWindow first;
            first.show();
            first.setGeometry(40, 50, 600, 420);
            ModalAnswerer boxes;
            boxes.chooseFile(ui->file("pic.bmp", picture));
            QVERIFY(first.commonDialog().chooseFileToRead("All|*.*", Settings::Folder::Graphic));
            before = remembered(first);
            first.close();
        }
        QProcess fresh;
        fresh.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("VARIMONDE_FRESH_RUN", "1");
        fresh.setProcessEnvironment(environment);
        fresh.start(QCoreApplication::applicationFilePath(), {"settingsSurviveARestart"});
        QVERIFY(fresh.waitForFinished(20000));
        const QString output = QString::fromLocal8Bit(fresh.readAllStandardOutput());
        QVERIFY2(output.contains("remembered: " + before + "\n"), qPrintable(output));
        QVERIFY(before.endsWith(ui->dir.path()));
    }
    void damagedSettingsAreIgnored_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::newRow("not understood") << false;
        QTest::newRow("a folder in its place") << true;
    }
    void damagedSettingsAreIgnored()
    {
        QFETCH(bool, folder);
        const QString path = Settings::filePath();
        QFile::remove(path);
        MainWindow reference;
        {
            MainWindow moved;
            moved.setGeometry(30, 30, 500, 400);
            moved.close();
        }
        QVERIFY(QFile::exists(path));
        if (folder) {
            QFile::remove(path);
            QVERIFY(QDir().mkpath(path));
        } else {
            QFile damaged(path);
            QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
            damaged.write("[window]\ngeometry\n[folders\n");
        }
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("ignoring the settings in .*, which cannot be"));
        {
            MainWindow started;
            QCOMPARE(started.geometry(), reference.geometry());
            QCOMPARE(started.settings().lastFolder(Settings::Folder::Profile), QDir::homePath());
        }
        QDir(path).removeRecursively();
        QFile::remove(path);
    }

    // A dropped file is taken as its Browse would take it; several files or
    // a folder are refused.
    void droppedFilesAreTakenAsChosen_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("shown"); // "control=text"
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("firmware") << "BinaryPage" << QStringList{"fw.bin"} << "FSizeTxt=903 Bytes"
                                  << QStringList();
        QTest::newRow("graphic") << "FilePathTxt" << QStringList{"pic.bmp"} << "ProgLbl=302 Bytes"
                                 << QStringList();
        QTest::newRow("format") << "FFnameTxt" << QStringList{"fmt.txt"} << "FFnameTxt=fmt.txt"
                                << QStringList();
        QTest::newRow("two files") << "BinaryPage" << QStringList{"fw.bin", "pic.bmp"} << QString()
                                   << QStringList{"Drop one file at a time.|Labelsmithy"};
        QTest::newRow("a folder") << "FilePathTxt" << QStringList{""} << QString()
                                  << QStringList{"DIR is a folder: drop a file.|Labelsmithy"};
    }
    void droppedFilesAreTakenAsChosen()
    {
        QFETCH(QString, target);
        QFETCH(QStringList, names);
        QFETCH(QString, shown);
        QFETCH(QStringList, boxes);
        QStringList paths;
        for (const QString &name : names)
            paths << QDir(ui->dir.path()).filePath(name);
        ModalAnswerer answers;
        for (QString &box : boxes) {
            box.replace("DIR", QDir(ui->dir.path()).path());
            answers.pressOk();
        }
        const QString shownPaths = "FnameTxt FilePathTxt FFnameTxt";
        const QString before = state(shownPaths);
        drop(target, paths);
        QTRY_COMPARE(answers.summary(), boxes);
        if (shown.isEmpty())
            QCOMPARE(state(shownPaths), before);
        else
            QTRY_VERIFY(state(shown.section('=', 0, 0)).endsWith(shown.section('=', 1)));
    }

    // The bytes each row expects are built in the test itself, from the
    // printer's commands whose exact bytes tst_texts holds.
    void featuresSendTheirCommands_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<Bytes>("expected");
        QTest::addColumn<QString>("logged"); // how the send log names it
        const Bytes nothing([] { return QByteArray(); });
        const QString graphicAsked = "Enter Identifier|Graphic Storage|Image_1";
        const QString formatAsked = "Enter Format Identifier|8 Characters or less please|";
        const QString recallImage = "Enter Stored Graphic to Print|DATA STORAGE|";
        const QStringList recallFormat = {"Enter Label Format to Print|DATA STORAGE|",
                                          "Enter Quantity|DATA STORAGE|1"};
        QTest::newRow("upload, nothing on")
            << QStringList{"UploadCMD"} << QStringList()
            << Bytes([] { return ConfigBlock::build({}).toLatin1(); })
            << QString("Configuration block");
        QTest::newRow("calibrate") << QStringList{"CalCmd"} << QStringList() << Bytes([] {
            return (CalibrationBlocks::settingsBlock("GAP", "DT", "WAX") +
                    CalibrationBlocks::calibrateBlock())
                .toLatin1();
        }) << QString("Calibration");
        QTest::newRow("4X3 label") << QStringList{"TestOp1", "TestCMD"} << QStringList()
                                   << Bytes([] { return TestLabels::fourByThree().toLatin1(); })
                                   << QString("Test label 4X3");
        QTest::newRow("2.4X1 label")
            << QStringList{"TestOp2", "TestCMD"} << QStringList()
            << Bytes([] { return TestLabels::twoPointFourByOne().toLatin1(); })
            << QString("Test label 2.4X1");
        QTest::newRow("graphic")
            << QStringList{"GSPCXOp", "BrowseCMD=file:pic.pcx", "StoreCMD=logo", "GSBMPop"}
            << QStringList{graphicAsked} << Bytes([this] {
                   return StorageCommands::graphicStoreHeader("PCX", "LOGO").toLatin1() +
                          pcxPicture + StorageCommands::graphicStoreEnd().toLatin1();
               })
            << QString("Graphic LOGO, %1 bytes").arg(pcxPicture.size());
        // Nine characters are one too many; eight go through (tst_cli).
        QTest::newRow("graphic, 9 characters")
            << QStringList{"GSPCXOp", "BrowseCMD=file:pic.pcx", "StoreCMD=abcdefghi;<ok>",
                           "GSBMPop"}
            << QStringList{graphicAsked, "Valid Identifier must be no more than 8 characters.|"
                                         "Graphic Storage"}
            << nothing << QString();
        QTest::newRow("print format")
            << QStringList{"FPrintOp1", "FBrowseCMD=file:fmt.txt", "FStoreCMD"} << QStringList()
            << Bytes([] {
                   QByteArray bytes = formatFile.toLatin1();
                   FormatLines::toPrinterText(bytes);
                   return bytes;
               })
            << QString("Label format fmt.txt");
        QTest::newRow("store format")
            << QStringList{"FSTandardOp1", "FBrowseCMD=file:fmt.txt", "FStoreCMD=Fmt"}
            << QStringList{formatAsked} << Bytes([] {
                   QByteArray bytes = formatFile.toLatin1();
                   FormatLines::toPrinterText(bytes);
                   StorageCommands::formatStore("Fmt", bytes);
                   return bytes;
               })
            << QString("Label format fmt.txt, stored as Fmt");
        QTest::newRow("store format, 9 characters")
            << QStringList{"FSTandardOp1", "FBrowseCMD=file:fmt.txt", "FStoreCMD=Fmt456789;<ok>"}
            << QStringList{formatAsked, "Identifier must be 8 chars or less|File Format Storage"}
            << nothing << QString();
        QTest::newRow("recall image")
            << QStringList{"Option1", "RecallCMD=logo"} << QStringList{recallImage}
            << Bytes([] { return StorageCommands::graphicRecall("logo").toLatin1(); })
            << QString("Recall graphic LOGO");
        QTest::newRow("recall format")
            << QStringList{"Option2", "RecallCMD=fmt;3"} << recallFormat
            << Bytes([] { return StorageCommands::formatRecall("fmt", 3).toLatin1(); })
            << QString("Recall format FMT");
        const QString invalidQuantity = StorageCommands::invalidQuantity + "|DATA STORAGE";
        QTest::newRow("recall format, no number")
            << QStringList{"Option2", "RecallCMD=fmt;abc;<ok>"}
            << recallFormat + QStringList{invalidQuantity} << nothing << QString("");
        QTest::newRow("recall format, no labels")
            << QStringList{"Option2", "RecallCMD=fmt;-5;<ok>"}
            << recallFormat + QStringList{invalidQuantity} << nothing << QString("");
        QTest::newRow("delete") << QStringList{"DeleteCMD=logo"}
                                << QStringList{"Enter Identifier of Object to Delete|Delete "
                                               "Stored Object|"}
                                << Bytes([] {
                                       return StorageCommands::deleteObject("logo").toLatin1();
                                   })
                                << QString("Delete logo");
        QTest::newRow("list") << QStringList{"ListCMD"} << QStringList()
                              << Bytes([] { return StorageCommands::listObjects().toLatin1(); })
                              << QString("List");
        QTest::newRow("firmware")
            << QStringList{"BMemCMD=file:fw.bin", "BUpLoadCMD"} << QStringList()
            << Bytes([this] { return firmware; })
            << "Firmware fw.bin, 903 bytes, SHA-256 " +
                   QString(QCryptographicHash::hash(firmware, QCryptographicHash::Sha256).toHex());
    }
    void featuresSendTheirCommands()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, boxes);
        QFETCH(Bytes, expected);
        QFETCH(QString, logged);
        const QByteArray sent = expected();
        const SendLog &log = ui->window.sendLog();
        const int rows = log.rowCount();
        QCOMPARE(run(steps), boxes);
        QCOMPARE(ui->pty.readAvailable(sent.size()), sent);
        QCOMPARE(log.rowCount(), rows + (logged.isEmpty() ? 0 : 1 + logged.startsWith("Cal")));
        if (logged.isEmpty())
            return;
        // The calibration is two sends: its row is the second.
        const SendLog::Entry &entry = log.entry(log.rowCount() - 1);
        QVERIFY2(entry.what.startsWith(logged), qPrintable(entry.what));
        QCOMPARE(entry.head,
                 logged == "Calibration" ? CalibrationBlocks::calibrateBlock().toLatin1() : sent);
        QCOMPARE(entry.size, entry.head.size());
        QCOMPARE(entry.outcome, "Sent");
        QCOMPARE(entry.link, "Serial COM1 (" + ui->pty.slavePath() + ") 9600,N,8,1");
    }

    // A send while Communication Settings shows a change not applied asks
    // first, once: apply it, send to the link in force, or send nothing.
    // Enter applies in the COM box as on the network panel; choosing the
    // network link is a change like any other.
    void sendsAskAboutAnUnappliedLink_data()
    {
        QTest::addColumn<QString>("change"); // a field=text, or a link option
        QTest::addColumn<QString>("send");   // LINK: the link in force
        QTest::addColumn<int>("boxes");
        QTest::addColumn<QString>("settings"); // of the link in force after the send
        QTest::addColumn<bool>("sent");
        const QString current = "=press:Send to LINK";
        QTest::newRow("Enter") << "SBaudCombo=2400+Enter"
                               << "ListCMD" << 0 << "2400,N,8,1" << true;
        QTest::newRow("Apply") << "SBaudCombo=2400"
                               << "ListCMD=press:Apply" << 1 << "2400,N,8,1" << true;
        QTest::newRow("Send to the link in force")
            << "SBaudCombo=2400"
            << "UploadCMD" + current << 1 << "9600,N,8,1" << true;
        QTest::newRow("Cancel") << "SBaudCombo=2400"
                                << "ListCMD=press:Cancel" << 1 << "9600,N,8,1" << false;
        // The calibration's two sends are one operation: asked once.
        QTest::newRow("network chosen") << "CommOp_3"
                                        << "CalCmd" + current << 1 << "9600,N,8,1" << true;
        QTest::newRow("network chosen, refused on Apply")
            << "CommOp_3"
            << "ListCMD=press:Apply;<ok>" << 2 << "9600,N,8,1" << false;
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
            ui->control<QAbstractButton>("CommOp_0")->click();
            ui->control<QComboBox>("SBaudCombo")->setEditText("9600");
            QCOMPARE(run({"SApplyCmd_0"}), QStringList());
            QCOMPARE(ui->window.link().description(), before);
        });
        ui->window.tabs()->setCurrentIndex(MainWindow::CommunicationTab);
        if (change.startsWith("CommOp")) {
            ui->control<QAbstractButton>(change)->click();
        } else {
            auto *field = ui->control<QComboBox>(change.section('=', 0, 0));
            field->setEditText(change.section('=', 1).section('+', 0, 0));
            if (change.endsWith("+Enter"))
                QTest::keyClick(field->lineEdit(), Qt::Key_Return);
        }
        QCOMPARE(ui->window.link().description() == before, boxes > 0);
        QCOMPARE(ui->control(change.startsWith("CommOp") ? "NetNotAppliedLbl" : "NotAppliedLbl")
                     ->isVisible(),
                 boxes > 0);
        const int rows = ui->window.sendLog().rowCount();
        const QStringList shown = run({send.replace("LINK", before)});
        QCOMPARE(shown.size(), boxes);
        if (boxes > 0)
            QCOMPARE(shown[0], "Apply the change first?|Labelsmithy|icon");
        QVERIFY(ui->window.link().description().endsWith(settings));
        QCOMPARE(ui->pty.readAvailable(sent ? 1 : 0, 500).isEmpty(), !sent);
        QCOMPARE(ui->window.sendLog().rowCount() > rows, sent);
    }

    // The log window shows the bytes of the row chosen.
    void logWindowShowsTheBytesOfARow()
    {
        ui->click("ListCMD");
        ui->click("LogCMD");
        auto *table = ui->control<QTableView>("LogTable");
        table->selectRow(table->model()->rowCount() - 1);
        QCOMPARE(ui->control<QPlainTextEdit>("BytesTxt")->toPlainText(),
                 "00000000  21 4c 0d 0a                                      !L..\n");
        ui->control("LogFrm")->close();
    }

    // A port another program holds: one box per send, the port closed after.
    void heldPortIsReported()
    {
        QSerialPort other;
        other.setPortName(ui->pty.slavePath());
        QVERIFY(other.open(QIODevice::WriteOnly));
        // The cause names the holder, here this test itself; the text send
        // keeps its fixed box and gives the cause below it.
        const QString cause = "COM1 (" + ui->pty.slavePath() +
                              ") is in use by another program (tst_window, process " +
                              QString::number(QCoreApplication::applicationPid()) +
                              "). Close that program and try again.";
        QCOMPARE(run({"ListCMD=<ok>", "BMemCMD=file:fw.bin", "BUpLoadCMD=<ok>"}),
                 (QStringList{"Error Opening CommPort for String Send|SComString|why: " + cause,
                              "Error: " + cause + "|8010"}));
        other.close();
        // A cell too narrow for the cause shows it whole as a tool tip.
        const SendLog &log = ui->window.sendLog();
        QCOMPARE(log.index(log.rowCount() - 1, SendLog::Outcome).data(Qt::ToolTipRole),
                 "Failed: " + cause);
        QCOMPARE(openDescriptors(ui->pty.slavePath()), 1); // the terminal's own
        QCOMPARE(ui->window.cursor().shape(), Qt::ArrowCursor);
        QVERIFY(ui->tabBar()->isEnabled());
        // A new image clears the outcome of the last one's upload.
        QCOMPARE(ui->control<QLabel>("UStatLbl")->text(), "Upload Failed");
        QCOMPARE(run({"BMemCMD=file:fw.bin"}), QStringList());
        QCOMPARE(ui->control<QLabel>("UStatLbl")->text(), "No File Loaded to Printer");
    }

    // A file cut short while it is read: the box names it; nothing stays open.
    void fileCutShortIsReported()
    {
        const QString path = ui->file("cut.bin", QByteArray(300000, 'c'));
        OnBusy cut(ui->tabBar(), [&] { QFile::resize(path, 0); });
        QCOMPARE(run({"BMemCMD=file:cut.bin;<ok>"}),
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
        QCOMPARE(overflow->maximum(), 7168);
        overflow->setValue(5000);
        QCOMPARE(state(labels), "8192 5000");
        main->setSliderPosition(2048); // dragged down: the overflow follows its maximum
        QCOMPARE(overflow->maximum(), 1024);
        QCOMPARE(state(labels), "2048 1024");
        main->setSliderPosition(1000);
        QCOMPARE(state(labels), "1000 0");
        QCOMPARE(overflow->value(), 0);
        main->setValue(4096);
        QTest::keyClick(overflow, Qt::Key_PageUp); // the label follows each step of the thumb
        QCOMPARE(state(labels), "4096 " + QString::number(overflow->value()));
        QVERIFY(overflow->value() > 0);
        ui->click("UploadCMD");
        QVERIFY(ui->pty.readAvailable().contains(
            QStringLiteral("\r\nVARIABLE TXTBFR 4096 %1\r\n").arg(overflow->value()).toLatin1()));
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
            run({"LoadCMD=file:refused.vsp;<ok>;<ok>"}),
            (QStringList{"Invalid property value|380", "Error Opening File|Load Configuration"}));
        QCOMPARE(state("DarkChk DarkLbl Slider1 KestraChk"), "2 30 30 2");
        QCOMPARE(state(later), before);
        for (const char *name : {"DarkChk", "KestraChk"})
            ui->click(name);
    }

    // A graphic the printer cannot take as the type chosen is refused in
    // words before an identifier is asked, and nothing is sent; the tab
    // shows what is in memory and its size.
    void graphicsAreCheckedBeforeTheyAreStored_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("pcx");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("size");
        const QString asked = "Enter Identifier|Graphic Storage|Image_1";
        const QString bmpSize = "16 × 60 dots, 2.0 × 7.5 mm";
        QTest::newRow("1-bit BMP")
            << "one.bmp" << Pictures::bmp(16, 60) << false << "<cancel>" << asked << bmpSize;
        QTest::newRow("1-bit PCX")
            << "one.pcx" << Pictures::pcx(16, 60) << true << "<cancel>" << asked << bmpSize;
        QTest::newRow("colour BMP")
            << "colour.bmp" << Pictures::bmp(4, 2, 24) << false << "<ok>"
            << "colour.bmp is a 24-bit colour image: the printer stores black-and-white (1-bit) "
               "images only. Use Convert… to make one.|Graphic Storage"
            << "Not a 1-bit BMP the printer takes";
        QTest::newRow("PCX as BMP")
            << "pcx.bmp" << Pictures::pcx(16, 60) << false << "<ok>"
            << "pcx.bmp is a PCX image, but BMP is chosen as its type: store it as PCX.|Graphic "
               "Storage"
            << "Not a 1-bit BMP the printer takes";
    }
    void graphicsAreCheckedBeforeTheyAreStored()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, pcx);
        QFETCH(QString, answer);
        QFETCH(QString, box);
        QFETCH(QString, size);
        ui->file(name, bytes);
        QCOMPARE(run({pcx ? "GSPCXOp" : "GSBMPop", "BrowseCMD=file:" + name, "StoreCMD=" + answer}),
                 QStringList{box});
        QCOMPARE(ui->pty.readAvailable(), QByteArray());
        QCOMPARE(ui->control<QLabel>("GraphicSizeLbl")->text(), size);
        const QPixmap preview = ui->control<QLabel>("GraphicPic")->pixmap();
        QCOMPARE(preview.isNull(), !size.contains("dots"));
        if (preview.isNull())
            return;
        // The dots of the first line: dark, light, light, dark.
        const QImage shown = preview.toImage();
        for (int x = 0; x < 4; ++x) {
            const QPoint centre((x * 2 + 1) * shown.width() / 32, shown.height() / 120);
            QCOMPARE(qGray(shown.pixel(centre)) < 128, x % 3 == 0);
        }
        // The other type: the same bytes are no graphic of it.
        ui->control<QAbstractButton>(pcx ? "GSBMPop" : "GSPCXOp")->click();
        QVERIFY(ui->control<QLabel>("GraphicSizeLbl")->text().startsWith("Not a 1-bit"));
        ui->control<QAbstractButton>("GSBMPop")->click();
    }

    // The conversion shown can be kept as a BMP file: the bytes Use takes.
    void conversionsCanBeSavedAsBmp()
    {
        const QImage picture = QImage(12, 5, QImage::Format_RGB32);
        GraphicConvertDialog dialog(picture, ui->window.commonDialog(), &ui->window);
        {
            ModalAnswerer boxes;
            boxes.chooseFile(ui->dir.filePath("saved"));
            dialog.findChild<QPushButton *>("SaveCMD")->click();
            QCOMPARE(boxes.summary().value(0).section('|', 1, 1), "Bitmaps (*.bmp)");
        }
        QCOMPARE(fileBytes(ui->dir.filePath("saved.bmp")), dialog.bmp());
        QCOMPARE(dialog.bmp().size(), 62 + 5 * 4);
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

    // Cancel (the button or Esc) ends a byte transfer that waits on a full
    // printer: no box, the port closed, the status says so; meanwhile the
    // status tells how far it is.
    void cancelEndsATransferQuietly_data()
    {
        QTest::addColumn<QString>("load");
        QTest::addColumn<QString>("send");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("escape");
        QTest::addColumn<QStringList>("asked");
        QTest::newRow("upload, button") << "BMemCMD"
                                        << "BUpLoadCMD"
                                        << "UStatLbl" << false << QStringList();
        QTest::newRow("graphic, Esc")
            << "BrowseCMD"
            << "StoreCMD=logo"
            << "StatLbl" << true << QStringList{"Enter Identifier|Graphic Storage|Image_1"};
    }
    void cancelEndsATransferQuietly()
    {
        QFETCH(QString, load);
        QFETCH(QString, send);
        QFETCH(QString, status);
        QFETCH(bool, escape);
        QFETCH(QStringList, asked);
        ui->window.link().setStallLimitMs(5000);
        // A graphic the printer takes, and firmware as good as any.
        ui->file("big.bin", Pictures::bmp(4096, 2048));
        QCOMPARE(run({load + "=file:big.bin"}), QStringList());
        QWidget *page = ui->control(status)->parentWidget();
        while (!page->findChild<QPushButton *>("CancelCMD"))
            page = page->parentWidget();
        auto *cancel = page->findChild<QPushButton *>("CancelCMD");
        QVERIFY(!cancel->isEnabled());
        ui->click("LogCMD"); // its Reset Settings is off while the transfer runs
        auto *reset = ui->control("ResetCMD");
        ui->pty.pauseReading(true);
        QString during;
        QObject scope; // no timer outlives the test
        OnBusy cancelling(ui->tabBar(), [&] {
            if (!during.isNull())
                return;
            during = "";
            QTimer::singleShot(300, &scope, [&] {
                during = ui->control<QLabel>(status)->text();
                QVERIFY(cancel->isEnabled());
                QVERIFY(!reset->isEnabled());
                // A file dropped now would be read over the bytes being sent.
                QMimeData data;
                data.setUrls({QUrl::fromLocalFile(ui->dir.filePath("fw.bin"))});
                QDragEnterEvent enter({1, 1}, Qt::CopyAction, &data, Qt::LeftButton, {});
                QCoreApplication::sendEvent(ui->control(escape ? "FilePathTxt" : "BinaryPage"),
                                            &enter);
                QVERIFY(!enter.isAccepted());
                if (escape) {
                    // The identifier box just closed: the window is active again.
                    ui->window.activateWindow();
                    QVERIFY(QTest::qWaitForWindowActive(&ui->window));
                    QTest::keyClick(&ui->window, Qt::Key_Escape);
                } else
                    cancel->click();
            });
        });
        QElapsedTimer clock;
        clock.start();
        const QStringList boxes = run({send});
        ui->pty.pauseReading(false);
        QCOMPARE(boxes, asked);
        QVERIFY(clock.elapsed() < 1500);
        QVERIFY2(during.contains(
                     QRegularExpression("^(Uploading|Sending) \\d+(\\.\\d)? kB of 1\\.0 MB")),
                 qPrintable(during));
        QCOMPARE(ui->control<QLabel>(status)->text(),
                 escape ? "STORING CANCELLED" : "Upload Cancelled");
        // The log row tells how much of it the printer took.
        const SendLog &log = ui->window.sendLog();
        const SendLog::Entry &row = log.entry(log.rowCount() - 1);
        QVERIFY(row.delivered > 0 && row.delivered < row.size);
        QVERIFY(log.index(log.rowCount() - 1, SendLog::Size)
                    .data()
                    .toString()
                    .startsWith(QLocale(QLocale::English).toString(row.delivered) + " of "));
        // The status bar counts what the line took before the cancel.
        const QString ended = ui->control<QLabel>("LastSendLbl")->text();
        const QRegularExpressionMatch counts =
            QRegularExpression("^Cancelled at \\S+ \\((\\d+) of (\\d+) bytes delivered\\)$")
                .match(ended);
        QVERIFY2(counts.hasMatch() && counts.captured(1).toLongLong() > 0 &&
                     counts.captured(1).toLongLong() < counts.captured(2).toLongLong(),
                 qPrintable(ended));
        QVERIFY(!cancel->isEnabled());
        QVERIFY(reset->isEnabled());
        ui->control("LogFrm")->close();
        QCOMPARE(openDescriptors(ui->pty.slavePath()), 1); // the terminal's own
        ui->pty.readAvailable();
    }

    // The sliders that take a typed value open its box on the right button,
    // the Menu key and Shift+F10 alike; each value is shown beside its
    // slider and follows the arrow keys.
    void slidersTakeATypedValueFromTheKeyboard_data()
    {
        QTest::addColumn<QString>("slider");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("box"); // its prompt and title
        QTest::addColumn<QString>("label");
        QTest::newRow("scaler, Menu") << "EmulationSlider" << int(Qt::Key_Menu)
                                      << "Please Enter Desired Scaler|Scaler Setting"
                                      << "ScalerLbl";
        QTest::newRow("main buffer, Shift+F10")
            << "TextBufMain" << int(Qt::Key_F10)
            << "Set Value for Main Text Buffer|Primary Text Buffer"
            << "TextBufferLbl";
        QTest::newRow("overflow, Menu") << "TextBufOver" << int(Qt::Key_Menu)
                                        << "Enter value for Overflow Buffer|Overflow Buffer"
                                        << "OverflowLbl";
    }
    void slidersTakeATypedValueFromTheKeyboard()
    {
        QFETCH(QString, slider);
        QFETCH(int, key);
        QFETCH(QString, box);
        QFETCH(QString, label);
        for (const char *name : {"KestraChk", "TextBufferChk"})
            ui->control<QCheckBox>(name)->setChecked(true);
        auto *control = ui->control<QSlider>(slider);
        const int start = control->value();
        ModalAnswerer boxes;
        boxes.answer("120");
        QTest::keyClick(control, Qt::Key(key),
                        key == Qt::Key_F10 ? Qt::ShiftModifier : Qt::NoModifier);
        QTRY_COMPARE(boxes.summary().size(), 1);
        QVERIFY2(boxes.summary()[0].startsWith(box + '|'), qPrintable(boxes.summary()[0]));
        for (int press = 0; press < 3; ++press)
            QTest::keyClick(control, Qt::Key_Right);
        QCOMPARE(state(label), "123");
        control->setValue(start);
        for (const char *name : {"KestraChk", "TextBufferChk"})
            ui->control<QCheckBox>(name)->setChecked(false);
    }

    // Quitting with configuration settings changed since they were last
    // uploaded, exported or imported asks first; otherwise it quits at once.
    void quittingAsksAboutUnsentSettings_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("asked");
        QTest::newRow("nothing changed") << QStringList() << false;
        QTest::newRow("changed") << QStringList{"DarkChk"} << true;
        QTest::newRow("changed back") << QStringList{"DarkChk", "DarkChk"} << false;
        QTest::newRow("uploaded") << QStringList{"DarkChk", "UploadCMD"} << false;
        QTest::newRow("exported") << QStringList{"DarkChk", "ExportCMD=file:q.vsp"} << false;
        QTest::newRow("imported") << QStringList{"DarkChk", "ExportCMD=file:q.vsp", "DarkChk",
                                                 "UploadCMD", "LoadCMD=file:q.vsp"}
                                  << false;
    }
    void quittingAsksAboutUnsentSettings()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, asked);
        WindowDriver other;
        QCOMPARE(other.run(steps), QStringList());
        const QString question = "Quit without sending the changed settings?|Labelsmithy|icon";
        ModalAnswerer boxes;
        boxes.press("Cancel").press("Quit");
        for (bool kept : {true, false}) {
            other.window.close();
            QCOMPARE(other.window.isVisible(), kept && asked);
        }
        QCOMPARE(boxes.summary(), asked ? QStringList({question, question}) : QStringList());
    }

    // Closing during a transfer asks first; keeping on sends on, stopping
    // ends it at once with no failure box and the port closed.
    void closingDuringATransferAsksFirst()
    {
        ui->window.link().setStallLimitMs(5000);
        ui->file("fw.bin", QByteArray(512 * 1024, 'f'));
        QCOMPARE(run({"BMemCMD=file:fw.bin"}), QStringList());
        ui->pty.pauseReading(true);
        ui->window.findChild<ConfigPage *>()->settle(); // no settings left to send
        ModalAnswerer boxes;
        boxes.press("Keep Sending").press("Stop and Quit");
        bool asked = false;
        OnBusy closing(ui->tabBar(), [&] {
            if (std::exchange(asked, true))
                return;
            QTimer::singleShot(100, &ui->window, &QWidget::close);
            QTimer::singleShot(400, &ui->window, &QWidget::close);
        });
        QElapsedTimer clock;
        clock.start();
        ui->click("BUpLoadCMD");
        QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
        QTRY_VERIFY(!ui->window.isVisible());
        QVERIFY(ui->window.stopSignal().isRaised());
        QCOMPARE(openDescriptors(ui->pty.slavePath()), 1); // the terminal's own
        QTest::qWait(50);
        const QString question = "A transfer to the printer is running. Stop it and quit?|"
                                 "Labelsmithy|icon";
        QCOMPARE(boxes.summary(), (QStringList{question, question}));
    }
};

VARIMONDE_TEST_MAIN(TestWindow)
#include "tst_window.moc"
