#include "app/MainWindow.h"

#include "app/AboutPage.h"
#include "calibration/CalibrationPage.h"
#include "comm/CommPage.h"
#include "config/ConfigPage.h"
#include "config/ProfileActions.h"
#include "firmware/BinaryPage.h"
#include "storage/StoragePage.h"
#include "ui/Dialogs.h"
#include "ui/WindowTitle.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace
{

// Keeps a page at its designed size in the middle of its tab.
QWidget *centred(QWidget *page)
{
    auto *holder = new QWidget;
    auto *rows = new QVBoxLayout(holder);
    auto *columns = new QHBoxLayout;
    columns->addStretch();
    columns->addWidget(page);
    columns->addStretch();
    rows->addLayout(columns);
    rows->addStretch();
    return holder;
}

// The sizes a title bar and a task bar ask for; the larger ones come from
// the installed theme icon, and decoding them here would slow the start.
QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/varimonde-setup-%1.png").arg(size), QSize(size, size));
    return icon;
}

// A status text that gives way when the window is narrow, ending in "..."
// rather than widening the window: a failure's cause can be long. The whole
// text stays in its tool tip.
class EllipsisLabel : public QLabel
{
public:
    using QLabel::QLabel;
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRect room = contentsRect();
        style()->drawItemText(&painter, room, int(alignment()), palette(), isEnabled(),
                              fontMetrics().elidedText(text(), Qt::ElideRight, room.width()),
                              foregroundRole());
    }
};

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent), m_link(&m_stop), m_printer(this, m_link, m_stop),
      m_tabs(new QTabWidget(this)), m_busy(std::make_unique<BusyIndicators>(this, m_tabs)),
      m_commonDialog(this), m_services{this,           m_link,    m_printer, *m_busy,
                                       m_commonDialog, m_details, m_stop}
{
    setObjectName(QStringLiteral("MainFrm"));
    setWindowTitle(WindowTitle::plain);
    setWindowIcon(applicationIcon());
    unsetCursor();

    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    buildTabs();
    // Made after the pages, so that Tab reaches it after the controls of the tab shown.
    m_exitCmd = new QPushButton(tr("&Exit"), this);
    m_exitCmd->setObjectName(QStringLiteral("ExitCMD"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(m_exitCmd, 0, Qt::AlignHCenter);
    buildStatusBar();
    layout->addWidget(findChild<QStatusBar *>(QStringLiteral("StatusBar")));

    connectControls();
    m_tabs->setCurrentIndex(ConfigurationTab);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildTabs()
{
    // Every caption must stay readable: no eliding, no scroll buttons.
    m_tabs->tabBar()->setElideMode(Qt::ElideNone);
    m_tabs->tabBar()->setUsesScrollButtons(false);

    auto *commPage = new CommPage(m_services);
    auto *configPage = new ConfigPage(m_services);
    auto *calibrationPage = new CalibrationPage(m_services);
    auto *storagePage = new StoragePage(m_services);
    auto *binaryPage = new BinaryPage(m_services);
    auto *aboutPage = new AboutPage(m_services);

    m_tabs->addTab(centred(commPage), tr("Communication Settings"));
    m_tabs->addTab(centred(configPage), tr("Printer Configuration"));
    m_tabs->addTab(centred(calibrationPage), tr("Calibration"));
    m_tabs->addTab(centred(storagePage), tr("Data Storage"));
    m_tabs->addTab(centred(binaryPage), tr("Binary Transfer"));
    m_tabs->addTab(centred(aboutPage), tr("About"));
    // Owned by the configuration page, whose buttons it serves.
    new ProfileActions(this, *configPage, m_commonDialog);
}

void MainWindow::buildStatusBar()
{
    auto *bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false);
    m_linkLbl = new EllipsisLabel(bar);
    m_linkLbl->setObjectName(QStringLiteral("LinkLbl"));
    m_lastSendLbl = new EllipsisLabel(bar);
    m_lastSendLbl->setObjectName(QStringLiteral("LastSendLbl"));
    bar->addWidget(m_linkLbl, 1);
    bar->addWidget(m_lastSendLbl, 2);
    showLink();
}

void MainWindow::showLink()
{
    m_linkLbl->setText(m_link.description());
    m_linkLbl->setToolTip(tr("The next send goes to: %1").arg(m_link.description()));
}

void MainWindow::showLastSend(qint64 bytes, const QString &failure)
{
    const QString time = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
    const QString text = failure.isEmpty() ? tr("Sent %1 %2 at %3")
                                                 .arg(QString::number(bytes),
                                                      bytes == 1 ? tr("byte") : tr("bytes"), time)
                                           : tr("Failed at %1: %2").arg(time, failure);
    m_lastSendLbl->setText(text);
    m_lastSendLbl->setToolTip(text);
}

void MainWindow::connectControls()
{
    connect(m_exitCmd, &QPushButton::clicked, this, &QWidget::close);
    connect(&m_link, &PrinterLink::changed, this, &MainWindow::showLink);
    connect(&m_link, &PrinterLink::finished, this, &MainWindow::showLastSend);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_link.isBusy() && !m_stop.isRaised()) {
        event->ignore();
        askToStopTransfer();
        return;
    }
    // A transfer or file read may still be processing events further down
    // the stack: tell it to stop; it closes its port or file on its way out.
    m_stop.raise();
    m_busy->timer2().stop();
    m_busy->uploadTimer().stop();
    m_details.closeWindow();
    event->accept();
}

void MainWindow::askToStopTransfer()
{
    if (m_stopQuestion)
        return;
    // Not modal in the blocking sense: the transfer goes on while the user
    // decides.
    auto *question = new QMessageBox(QMessageBox::Question, Dialogs::applicationTitle,
                                     tr("A transfer to the printer is running. Stop it and quit?"),
                                     QMessageBox::NoButton, this);
    question->setObjectName(QStringLiteral("StopQuestion"));
    question->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton *stop = question->addButton(tr("Stop and Quit"), QMessageBox::AcceptRole);
    QPushButton *keep = question->addButton(tr("Keep Sending"), QMessageBox::RejectRole);
    question->setDefaultButton(stop);
    connect(question, &QMessageBox::finished, this, [this, question, keep] {
        if (question->clickedButton() == keep)
            return;
        m_stop.raise();
        close();
    });
    m_stopQuestion = question;
    question->open();
}
