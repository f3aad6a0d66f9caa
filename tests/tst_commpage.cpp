// The Communication Settings tab with four links, driven as a user would:
// each choice shows its frame and the status bar names the link the next
// send uses; the USB list follows printers plugged in and out; the COM list
// offers the serial ports that exist and a typed number or device path is
// applied; a network address is checked on Apply; fields edited and not yet
// applied say so; and the status bar tells how the last send ended.
#include "comm/CommPage.h"
#include "printer/StorageCommands.h"
#include "support/LoopbackPrinter.h"
#include "support/TestMain.h"
#include "support/WindowDriver.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>

namespace
{

const QString checkUsb = "Check that the printer is switched on and its USB cable is plugged in "
                         "at both ends, and that the usblp driver is loaded (lsmod | grep usblp; "
                         "load it with: sudo modprobe usblp).";

} // namespace

class TestCommPage : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowDriver> ui;
    QList<PortDiscovery::SerialPortEntry> serialPorts;
    QString devRoot, sysRoot; // a fake tree under the driver's folder
    QString stableName;

    CommPage *page() const { return ui->window.findChild<CommPage *>(); }
    QString linkShown() const { return ui->control<QLabel>("LinkLbl")->text(); }
    QString lastSendShown() const { return ui->control<QLabel>("LastSendLbl")->text(); }
    QStringList usbListed() const
    {
        QStringList items;
        auto *combo = ui->control<QComboBox>("UsbCombo");
        for (int row = 0; row < combo->count(); ++row)
            items << combo->itemText(row).replace(devRoot, "%1");
        return items;
    }
    void addUsbPrinter(const QString &name, const QByteArray &deviceId)
    {
        QDir().mkpath(devRoot);
        QFile(devRoot + '/' + name).open(QIODevice::WriteOnly);
        QDir().mkpath(sysRoot + '/' + name + "/device");
        QFile id(sysRoot + '/' + name + "/device/ieee1284_id");
        id.open(QIODevice::WriteOnly);
        id.write(deviceId);
    }
    // Clicks an option button on its round mark, left of its caption.
    void choose(const QString &option)
    {
        auto *button = ui->control<QAbstractButton>(option);
        ui->window.findChild<QTabWidget *>("SSTab1")->setCurrentIndex(MainWindow::CommunicationTab);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    // Replaces the text of a field as typed, then presses the button, if any.
    QStringList type(const QString &field, const QString &text, const QString &button = {},
                     const QStringList &answers = {})
    {
        QWidget *control = ui->control(field);
        auto *combo = qobject_cast<QComboBox *>(control);
        QLineEdit *edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit *>(control);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
        return button.isEmpty() ? QStringList() : ui->click(button, answers);
    }

private slots:
    void initTestCase()
    {
        ui = std::make_unique<WindowDriver>();
        ui->window.link().setStallLimitMs(300);
        ui->window.link().setConnectTimeoutMs(300);
        devRoot = ui->dir.filePath("dev/usb");
        sysRoot = ui->dir.filePath("sys");
        QDir().mkpath(ui->dir.filePath("dev"));
        page()->setUsbRoots(devRoot, sysRoot);
        // A stable name that no COM number reaches, as under /dev/serial/by-id.
        stableName = ui->dir.filePath("usb-Maker_Printer-if00");
        QVERIFY(QFile::link(ui->pty.slavePath(), stableName));
        serialPorts = {{33, "/dev/ttyUSB0", "USB-Serial Controller"},
                       {0, stableName, "Pseudo-terminal"}};
        page()->setSerialPortLister([this] { return serialPorts; });
    }
    void cleanup() { ui->pty.readAvailable(20); }

    // Last, so that the rows before leave the link in a known state.
    void eachChoiceShowsItsFrameAndLink_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("link");
        QTest::newRow("serial") << "CommOp_0"
                                << "SerialFrame"
                                << "Serial COM1 (" + ui->pty.slavePath() + ") 9600,N,8,1";
        QTest::newRow("parallel") << "CommOp_1"
                                  << "ParallelFrame"
                                  << "Parallel LPT1 (/dev/lp0)";
        QTest::newRow("usb, none found") << "CommOp_2"
                                         << "UsbFrame"
                                         << "USB Printer (none found)";
        QTest::newRow("network, no address") << "CommOp_3"
                                             << "NetworkFrame"
                                             << "Network (no address set)";
        QTest::newRow("serial again") << "CommOp_0"
                                      << "SerialFrame"
                                      << "Serial COM1 (" + ui->pty.slavePath() + ") 9600,N,8,1";
    }
    void eachChoiceShowsItsFrameAndLink()
    {
        QFETCH(QString, choice);
        QFETCH(QString, frame);
        QFETCH(QString, link);
        choose(choice);
        QStringList shown;
        for (const char *name : {"SerialFrame", "ParallelFrame", "UsbFrame", "NetworkFrame"})
            if (ui->control(name)->isVisible())
                shown << name;
        QCOMPARE(shown, QStringList{frame});
        QCOMPARE(linkShown(), link);
    }

    // Plugged in, with /dev/usb appearing with it; the ID read again when
    // the list opens; unplugged; the send then says what to check.
    void usbListFollowsPrinters()
    {
        choose("CommOp_2");
        QCOMPARE(usbListed(), QStringList{"No USB printer found"});
        addUsbPrinter("lp0", "MFG:Varimonde;MDL:VL-4;");
        QTRY_COMPARE(usbListed(), QStringList{"%1/lp0 (Varimonde VL-4)"});
        QCOMPARE(linkShown(), "USB Printer " + devRoot + "/lp0");
        addUsbPrinter("lp1", "MFG:Acme;MDL:AL 2;");
        QTRY_COMPARE(usbListed(), (QStringList{"%1/lp0 (Varimonde VL-4)", "%1/lp1 (Acme AL 2)"}));
        ui->control<QComboBox>("UsbCombo")->setCurrentIndex(1);
        QCOMPARE(linkShown(), "USB Printer " + devRoot + "/lp1");

        QFile id(sysRoot + "/lp1/device/ieee1284_id");
        QVERIFY(id.open(QIODevice::WriteOnly));
        id.write("MFG:Acme;MDL:AL 3;");
        id.close();
        ui->control<QComboBox>("UsbCombo")->showPopup();
        ui->control<QComboBox>("UsbCombo")->hidePopup();
        QCOMPARE(usbListed(), (QStringList{"%1/lp0 (Varimonde VL-4)", "%1/lp1 (Acme AL 3)"}));
        QCOMPARE(linkShown(), "USB Printer " + devRoot + "/lp1"); // still the one chosen

        QFile::remove(devRoot + "/lp1");
        QTRY_COMPARE(usbListed(), QStringList{"%1/lp0 (Varimonde VL-4)"});
        QCOMPARE(linkShown(), "USB Printer " + devRoot + "/lp0");
        QCOMPARE(ui->click("ListCMD", {}), QStringList());
        QFile lp0(devRoot + "/lp0");
        QVERIFY(lp0.open(QIODevice::ReadOnly));
        QCOMPARE(lp0.readAll(), StorageCommands::listObjects().toLatin1());

        QVERIFY(QDir(devRoot).removeRecursively());
        QTRY_COMPARE(usbListed(), QStringList{"No USB printer found"});
        QCOMPARE(linkShown(), "USB Printer (none found)");
        ui->click("BMemCMD", {"file:" + ui->file("fw.bin", "fw")});
        QCOMPARE(ui->click("BUpLoadCMD", {"<ok>"}),
                 QStringList{"Error: No USB printer is connected. " + checkUsb + "|53"});
        QVERIFY(lastSendShown().endsWith(": No USB printer is connected. " + checkUsb));
    }

    // "box" empty: accepted, and the status bar shows "link".
    void networkAddressIsCheckedOnApply_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("link");
        const QString badPort = "Invalid Network Port: enter a number from 1 to 65535 (9100 on "
                                "most printers).|Utility Settings";
        const QString badHost = "Invalid Network Printer: enter the printer's network name or "
                                "its IPv4 or IPv6 address.|Utility Settings";
        QTest::newRow("IPv4") << "192.0.2.7"
                              << "9100"
                              << ""
                              << "Network 192.0.2.7:9100";
        QTest::newRow("IPv6") << "fd00::7"
                              << "9100"
                              << ""
                              << "Network [fd00::7]:9100";
        QTest::newRow("IPv6 in brackets") << "[::1]"
                                          << "1"
                                          << ""
                                          << "Network [::1]:1";
        QTest::newRow("name, highest port") << " printer.invalid "
                                            << "65535"
                                            << ""
                                            << "Network printer.invalid:65535";
        QTest::newRow("port 0") << "192.0.2.7"
                                << "0" << badPort << "Network printer.invalid:65535";
        QTest::newRow("port too high") << "192.0.2.7"
                                       << "65536" << badPort << "";
        QTest::newRow("port negative") << "192.0.2.7"
                                       << "-1" << badPort << "";
        QTest::newRow("port not a number") << "192.0.2.7"
                                           << "91OO" << badPort << "";
        QTest::newRow("no port") << "192.0.2.7"
                                 << "" << badPort << "";
        QTest::newRow("no host") << ""
                                 << "9100" << badHost << "";
        QTest::newRow("host with a blank") << "my printer"
                                           << "9100" << badHost << "";
    }
    void networkAddressIsCheckedOnApply()
    {
        QFETCH(QString, host);
        QFETCH(QString, port);
        QFETCH(QString, box);
        QFETCH(QString, link);
        choose("CommOp_3");
        const QString before = linkShown();
        type("NetHostTxt", host);
        type("NetPortTxt", port);
        QVERIFY(ui->control("NetNotAppliedLbl")->isVisible());
        const QStringList boxes = type("NetPortTxt", port, "NetApplyCmd", {"<ok>"});
        QCOMPARE(boxes, box.isEmpty() ? QStringList() : QStringList{box});
        QCOMPARE(linkShown(), box.isEmpty() ? link : before);
        QCOMPARE(ui->control("NetNotAppliedLbl")->isVisible(), !box.isEmpty());
    }

    void networkSendsAndTheirOutcomeAreShown()
    {
        LoopbackPrinter printer;
        choose("CommOp_3");
        type("NetHostTxt", "127.0.0.1");
        type("NetPortTxt", QString::number(printer.port()), "NetApplyCmd");
        QCOMPARE(ui->click("ListCMD", {}), QStringList());
        const QByteArray list = StorageCommands::listObjects().toLatin1();
        QCOMPARE(printer.readExactly(list.size()), list);
        const QRegularExpression sent("^Sent " + QString::number(list.size()) +
                                      " bytes at \\d\\d:\\d\\d:\\d\\d$");
        QVERIFY2(sent.match(lastSendShown()).hasMatch(), qPrintable(lastSendShown()));

        const quint16 closed = closedLoopbackPort();
        type("NetPortTxt", QString::number(closed));
        QTest::keyClick(ui->control("NetPortTxt"), Qt::Key_Return); // Enter applies too
        QCOMPARE(linkShown(), "Network 127.0.0.1:" + QString::number(closed));
        const QString where = "127.0.0.1:" + QString::number(closed);
        QCOMPARE(ui->click("ListCMD", {"<ok>"}),
                 QStringList{"Error Opening " + where +
                             " For String Send|SNetString|why: " + where +
                             " refused the connection: check that this is the printer's "
                             "address and that it takes print jobs on port " +
                             QString::number(closed) + " (9100 on most printers)."});
        const QRegularExpression failed(
            "^Failed at \\d\\d:\\d\\d:\\d\\d: " + QRegularExpression::escape(where) + " refused");
        QVERIFY2(failed.match(lastSendShown()).hasMatch(), qPrintable(lastSendShown()));
    }

    // "%1" stands for the pseudo-terminal standing in for a port, "%2" for
    // a stable name of it.
    void serialPortIsTakenFromTheListOrTyped_data()
    {
        QTest::addColumn<QString>("entry"); // "#n" picks row n of the list
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("sendsToTerminal");
        QTest::newRow("listed with a number") << "#0"
                                              << "Serial COM33 (/dev/ttyUSB0) 9600,N,8,1" << false;
        QTest::newRow("listed without a number") << "#1"
                                                 << "Serial %2 9600,N,8,1" << true;
        QTest::newRow("number typed") << "2"
                                      << "Serial COM2 (/dev/ttyS1) 9600,N,8,1" << false;
        QTest::newRow("fraction typed") << "1.4"
                                        << "Serial COM1 (%1) 9600,N,8,1" << true;
        QTest::newRow("device path typed") << "/dev/ttyACM1"
                                           << "Serial COM66 (/dev/ttyACM1) 9600,N,8,1" << false;
        QTest::newRow("stable name typed")
            << "/dev/serial/by-id/usb-Maker_Printer-if00"
            << "Serial /dev/serial/by-id/usb-Maker_Printer-if00 9600,N,8,1" << false;
        QTest::newRow("terminal typed") << "%1"
                                        << "Serial COM1 (%1) 9600,N,8,1" << true;
    }
    void serialPortIsTakenFromTheListOrTyped()
    {
        QFETCH(QString, entry);
        QFETCH(QString, link);
        QFETCH(bool, sendsToTerminal);
        choose("CommOp_0");
        auto *combo = ui->control<QComboBox>("SPortCombo");
        if (entry.startsWith('#'))
            combo->setCurrentIndex(entry.mid(1).toInt());
        else
            type("SPortCombo", entry.replace("%1", ui->pty.slavePath()));
        QVERIFY(ui->control("NotAppliedLbl")->isVisible());
        QCOMPARE(ui->click("SApplyCmd_0", {}), QStringList());
        QVERIFY(!ui->control("NotAppliedLbl")->isVisible());
        QCOMPARE(linkShown(), link.replace("%1", ui->pty.slavePath()).replace("%2", stableName));
        if (sendsToTerminal) {
            QCOMPARE(ui->click("ListCMD", {}), QStringList());
            QCOMPARE(ui->pty.readAvailable(), StorageCommands::listObjects().toLatin1());
        }
        type("SPortCombo", "1", "SApplyCmd_0");
    }

    // The list is taken again each time it opens; the text typed stays.
    void serialListIsTakenWhenItOpens()
    {
        choose("CommOp_0");
        auto *combo = ui->control<QComboBox>("SPortCombo");
        type("SPortCombo", "7");
        serialPorts.append({65, "/dev/ttyACM0", "Printer CDC"});
        QCOMPARE(combo->count(), 2);
        combo->showPopup();
        combo->hidePopup();
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(2), "65 \u2014 /dev/ttyACM0 \u2014 Printer CDC");
        QCOMPARE(combo->currentText(), "7");
        type("SPortCombo", "1", "SApplyCmd_0");
    }

    // Applied texts hide the label; any field edited shows it, a refused
    // Apply keeps it, and editing back to what is in force hides it.
    void notAppliedShowsUntilApplied()
    {
        choose("CommOp_0");
        auto *notApplied = ui->control("NotAppliedLbl");
        QVERIFY(!notApplied->isVisible());
        for (const char *field : {"SBaudCombo", "SParityCombo", "SBitsCombo", "SSTOPBITCOMBO"}) {
            const QString was = ui->control<QComboBox>(field)->currentText();
            type(field, "7");
            QVERIFY2(notApplied->isVisible(), field);
            type(field, was);
            QVERIFY2(!notApplied->isVisible(), field);
        }
        type("SBaudCombo", "19200");
        QCOMPARE(type("SPortCombo", "COM1", "SApplyCmd_0", {"<ok>"}),
                 QStringList{"Invalid Value in COMM Settings|Utility Settings"});
        QVERIFY(notApplied->isVisible());
        QCOMPARE(type("SPortCombo", "1", "SApplyCmd_0"), QStringList());
        QVERIFY(!notApplied->isVisible());
        QCOMPARE(linkShown(), "Serial COM1 (" + ui->pty.slavePath() + ") 19200,N,8,1");
        type("SBaudCombo", "9600", "SApplyCmd_0");
    }
};

VARIMONDE_TEST_MAIN(TestCommPage)
#include "tst_commpage.moc"
