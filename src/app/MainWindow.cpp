#include "app/MainWindow.h"

#include "app/AboutPage.h"
#include "calibration/CalibrationPage.h"
#include "comm/CommPage.h"
#include "config/ConfigPage.h"
#include "config/ProfileActions.h"
#include "firmware/BinaryPage.h"
#include "storage/StoragePage.h"
#include "ui/Accessible.h"
#include "ui/Dialogs.h"
#include "ui/LogWindow.h"
#include "ui/ScreenPlace.h"
#include "ui/WindowTitle.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace
{

// Asks for room for the whole page, where QScrollArea asks for a part of
// it: a window with room to spare shows pages without scroll bars.
class PageScroller : public QScrollArea
{
public:
    QSize sizeHint() const override
    {
        const int frame = 2 * frameWidth();
        return widget()->sizeHint() + QSize(frame, frame);
    }
};

// Keeps a page at its designed size, centred across its tab and at its
// top; a tab smaller than the page scrolls to every part of it.
QWidget *centred(QWidget *page)
{
    auto *scroller = new PageScroller;
    scroller->setObjectName(page->objectName() + QStringLiteral("Scroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    // Tab goes from the tab strip to the page's first control, not to a
    // scroller that shows no sign of having the focus.
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidgetResizable(true);
    auto *holder = new QWidget;
    holder->setObjectName(page->objectName() + QStringLiteral("Holder"));
    auto *rows = new QVBoxLayout(holder);
    auto *columns = new QHBoxLayout;
    columns->addStretch();
    columns->addWidget(page);
    columns->addStretch();
    rows->addLayout(columns);
    rows->addStretch();
    scroller->setWidget(holder);
    return scroller;
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

// A status text that gives way when the window is narrow, cut with "..."
// rather than widening the window: a failure's cause can be long. The whole
// text stays in its tool tip.
class EllipsisLabel : public QLabel
{
public:
    EllipsisLabel(Qt::TextElideMode mode, QWidget *parent) : QLabel(parent), m_mode(mode) {}
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRect room = contentsRect();
        style()->drawItemText(&painter, room, int(alignment()), palette(), isEnabled(),
                              fontMetrics().elidedText(text(), m_mode, room.width()),
                              foregroundRole());
    }

private:
    Qt::TextElideMode m_mode;
};

// The size the window manager's frame adds to a shown window, or none while
// unknown: before the window manager has framed it, the window has no frame,
// and while it is being put into its frame, the window system can report one
// smaller than the window. With no window manager, the guess stays.
QSize frameAround(const QWidget *window)
{
    if (!window->isVisible())
        return {};
    const QSize frame = window->frameGeometry().size() - window->size();
    const bool framed = frame.width() >= 0 && frame.height() >= 0 && !frame.isNull();
    return framed ? frame : QSize();
}

// The frame when known; until then, room for borders of 8 pixels and a
// title bar of 40.
QSize frameOrGuess(const QWidget *window)
{
    const QSize known = frameAround(window);
    return known.isValid() ? known : QSize(16, 48);
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent), m_link(&m_stop), m_printer(this, m_link, m_stop, &m_sendLog),
      m_tabs(new QTabWidget(this)), m_busy(std::make_unique<BusyIndicators>(this)),
      m_commonDialog(this, m_settings), m_services{this,           m_link,    m_printer, *m_busy,
                                                   m_commonDialog, m_details, m_stop,    m_settings}
{
    setObjectName(QStringLiteral("MainFrm"));
    Accessible::install();
    SnmpOptions snmp;
    snmp.community = m_settings.snmpCommunity();
    snmp.port = m_settings.snmpPort();
    m_printer.setStatusOptions(snmp);
    m_printer.setBusyIndicators(m_busy.get());
    m_linkStatus = std::make_unique<SnmpReader>(snmp.beforeSend());
    setWindowTitle(WindowTitle::plain);
    setWindowIcon(applicationIcon());

    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    buildTabs();
    // Made after the pages, so that Tab reaches it after the controls of the tab shown.
    m_exitCmd = new QPushButton(tr("&Exit"), this);
    m_exitCmd->setObjectName(QStringLiteral("ExitCMD"));
    // "L", not the "g" whose underline its descender hides.
    m_logCmd = new QPushButton(tr("&Log"), this);
    m_logCmd->setObjectName(QStringLiteral("LogCMD"));

    // Exit stays outside the scrolled pages: always in sight.
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_exitCmd);
    buttons->addWidget(m_logCmd);
    buttons->addStretch();
    layout->addLayout(buttons);
    buildStatusBar();
    layout->addWidget(findChild<QStatusBar *>(QStringLiteral("StatusBar")));

    Accessible::nameParts(this);
    connectControls();
    m_tabs->setCurrentIndex(ConfigurationTab);

    // Below this nothing of the tab strip and the buttons fits.
    setMinimumSize(480, 360);
    if (!restoreGeometry(m_settings.windowGeometry()))
        fitToScreen();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildTabs()
{
    // Every caption stays readable, never elided; a window narrower than
    // the strip reaches the other tabs through its arrows.
    m_tabs->tabBar()->setElideMode(Qt::ElideNone);
    m_tabs->tabBar()->setUsesScrollButtons(true);
    Accessible::reportSelectedTab(m_tabs->tabBar());
    m_tabs->tabBar()->setAccessibleName(tr("Pages"));

    auto *commPage = m_commPage = new CommPage(m_services);
    auto *configPage = m_configPage = new ConfigPage(m_services);
    auto *calibrationPage = new CalibrationPage(m_services);
    auto *storagePage = new StoragePage(m_services);
    storagePage->setPrintableWidth([configPage] {
        const ConfigValues values = configPage->values();
        return values.widthSwitch == SwitchState::On ? qMax(0, values.width.toInt()) : 0;
    });
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
    bar->setAccessibleName(tr("Status"));
    // Two adapters differ at the end of their long device paths, and the
    // line settings come last: the middle gives way.
    m_linkLbl = new EllipsisLabel(Qt::ElideMiddle, bar);
    m_linkLbl->setObjectName(QStringLiteral("LinkLbl"));
    m_lastSendLbl = new EllipsisLabel(Qt::ElideRight, bar);
    m_lastSendLbl->setObjectName(QStringLiteral("LastSendLbl"));
    // Said before the texts, which change with every send.
    m_linkLbl->setAccessibleName(tr("Printer link"));
    m_lastSendLbl->setAccessibleName(tr("Last send"));
    // The link keeps all its text while there is room; the last send takes
    // the rest and gives way first.
    bar->addWidget(m_linkLbl);
    bar->addWidget(m_lastSendLbl, 1);
    showLink();
}

void MainWindow::showLink()
{
    const QString link = m_link.description();
    // Another printer: what the last one did is no news of this one.
    const QString printer = m_link.address().portKey(m_link.portNames());
    if (printer != std::exchange(m_shownPrinter, printer) && m_activityText.isEmpty()) {
        m_lastSendLbl->clear();
        m_lastSendLbl->setToolTip(QString());
    }
    m_linkLbl->setText(link);
    const Transfer::Limits &limits = m_link.limits();
    const bool network = m_link.kind() == LinkAddress::Kind::Network;
    // Only a network printer answers: the other links have the one limit
    // of a line that takes nothing.
    m_linkLbl->setToolTip(
        network ? tr("The next send goes to: %1\nGives up after %2 s without an answer and %3 s "
                     "without progress")
                      .arg(link, QString::number(limits.stallLimitMs / 1000),
                           QString::number(limits.busyLimitMs / 1000))
                : tr("The next send goes to: %1\nGives up after %2 s without progress")
                      .arg(link, QString::number(limits.stallLimitMs / 1000)));
    if (!network || !m_linkStatus)
        return;
    // A network printer that answers SNMP tells whether it is ready.
    m_linkStatus->read(m_link.address().host(),
                       [this, link](const QString &host, const SnmpAnswer &answer) {
                           if (answer.answered && m_link.description() == link)
                               showPrinterStatus(host, answer);
                       });
}

void MainWindow::showPrinterStatus(const QString &host, const SnmpAnswer &answer)
{
    // A printer on a serial, parallel or USB line tells nothing of itself:
    // its link keeps its own words.
    if (m_link.kind() != LinkAddress::Kind::Network || m_link.address().host() != host)
        return;
    const QString link = m_link.description();
    // One that stopped answering is no longer "ready".
    m_linkLbl->setText(link + QStringLiteral(" — ") +
                       (answer.answered ? answer.state.words() : answer.failure.shown()));
    m_linkLbl->setToolTip(tr("The next send goes to: %1").arg(m_linkLbl->text()));
}

void MainWindow::showLastSend(const SendLog::Entry &send)
{
    // The whole operation, all its parts: a graphic's header, file and end.
    const QString time = send.time.addMSecs(send.durationMs).toString(QStringLiteral("HH:mm:ss"));
    const QString delivered = tr("%1 of %2 bytes delivered")
                                  .arg(QString::number(send.delivered), QString::number(send.size));
    QString text;
    switch (send.end) {
    case SendLog::Entry::End::Sent:
        text = tr("Sent at %1 (%2)").arg(time, delivered);
        break;
    case SendLog::Entry::End::Cancelled:
        text = tr("Cancelled at %1 (%2)").arg(time, delivered);
        break;
    case SendLog::Entry::End::Failed:
        text = tr("Failed at %1: %2 (%3)").arg(time, send.cause, delivered);
        break;
    }
    m_activityText.clear();
    m_lastSendLbl->setText(text);
    m_lastSendLbl->setToolTip(text);
}

void MainWindow::connectControls()
{
    connect(m_exitCmd, &QPushButton::clicked, this, &QWidget::close);
    connect(&m_link, &PrinterLink::changed, this, &MainWindow::showLink);
    // The printer's status as Find Printers' watch reads it.
    connect(m_commPage, &CommPage::printerRead, this, &MainWindow::showPrinterStatus);
    connect(&m_sendLog, &SendLog::rowsInserted, this,
            [this](const QModelIndex &, int, int last) { showLastSend(m_sendLog.entry(last)); });
    // The printer's status after each send.
    connect(&m_link, &PrinterLink::finished, this, &MainWindow::showLink);
    // A close asked for during an operation waits for its end.
    connect(m_busy.get(), &BusyIndicators::busyChanged, this, [this](bool busy) {
        updateEnabled();
        if (!busy && m_stop.isRaised())
            QTimer::singleShot(0, this, &QWidget::close);
    });
    connect(m_logCmd, &QPushButton::clicked, this, &MainWindow::showLog);
    // What the running operation does, in the status bar. A network
    // printer that does not answer keeps a send waiting for seconds: say
    // so, with the busy signs, from the first moment.
    m_printer.setActivityShown([this](SendPresenter::Activity activity, const QString &text) {
        using Activity = SendPresenter::Activity;
        if (activity != Activity::Connecting)
            m_waitSigns.reset();
        if (activity != Activity::Idle) {
            if (m_activityText.isEmpty())
                m_beforeActivity = m_lastSendLbl->text();
            m_activityText = text;
            m_lastSendLbl->setText(text);
        } else if (!m_activityText.isEmpty()) {
            // Nothing sent after all leaves the last send's outcome.
            m_lastSendLbl->setText(m_beforeActivity);
            m_activityText.clear();
        }
        m_lastSendLbl->setToolTip(m_lastSendLbl->text());
        // The signs come once the status says why.
        if (activity == Activity::Connecting)
            m_waitSigns = std::make_unique<BusyScope>(*m_busy, BusyScope::Hourglass |
                                                                   BusyScope::TitleAnimation);
    });
}

void MainWindow::fitToScreen()
{
    const QSize frame = frameOrGuess(this);
    const QRect available = screen()->availableGeometry();
    const QSize room = available.size() - frame;
    // The whole tab strip, which the tab widget itself leaves to its arrows.
    const QMargins margins = layout()->contentsMargins();
    QSize wanted = sizeHint().expandedTo(
        QSize(m_tabs->tabBar()->sizeHint().width() + margins.left() + margins.right() + 4, 0));
    // A page that must scroll one way takes a scroll bar's room the other.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (wanted.height() > room.height())
        wanted.rwidth() += bar;
    if (wanted.width() > room.width())
        wanted.rheight() += bar;
    const QSize size = wanted.boundedTo(room).expandedTo(minimumSize());
    m_fitFrame = frame;
    m_fitSize = size;
    resize(size);
    // A window's position is that of its frame.
    const QSize outer = size + frame;
    move(available.topLeft() + QPoint((available.width() - outer.width()) / 2,
                                      (available.height() - outer.height()) / 2));
}

void MainWindow::refitToFrame()
{
    if (!m_fitFrame.isValid() || !isVisible() || windowState() != Qt::WindowNoState)
        return;
    if (size() != m_fitSize) {
        m_fitFrame = QSize(); // the user's size from now on
        return;
    }
    if (const QSize frame = frameAround(this); frame.isValid() && frame != m_fitFrame)
        fitToScreen();
}

bool MainWindow::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    const QEvent::Type type = event->type();
    if (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize)
        refitToFrame();
    return handled;
}

void MainWindow::showLog()
{
    if (!m_logWindow) {
        m_logWindow = new LogWindow(m_sendLog, m_settings, this);
        m_logWindow->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_logWindow, &LogWindow::resetRequested, this, &MainWindow::resetSettings);
        updateEnabled();
        // Beside this window and wholly on its screen, this window moved
        // aside where that is what keeps the log off it; the log's frame
        // taken as large as this window's.
        const QSize frame = frameOrGuess(this);
        const ScreenPlace::Places places = ScreenPlace::apart(
            frameGeometry(), m_logWindow->size() + frame,
            m_logWindow->minimumSizeHint().expandedTo(m_logWindow->minimumSize()) + frame,
            screen()->availableGeometry());
        if (places.anchor != frameGeometry())
            move(places.anchor.topLeft());
        m_logWindow->resize(places.beside.size() - frame);
        m_logWindow->move(places.beside.topLeft());
    }
    m_logWindow->show();
    m_logWindow->raise();
    m_logWindow->activateWindow();
}

void MainWindow::updateEnabled()
{
    const bool idle = !m_busy->isBusy();
    // No other page while an operation runs: its own page shows how it goes.
    m_tabs->tabBar()->setEnabled(idle);
    // Settings are not reset under a running transfer: it keeps its link.
    if (m_logWindow)
        m_logWindow->findChild<QWidget *>(QStringLiteral("ResetCMD"))->setEnabled(idle);
}

void MainWindow::resetSettings()
{
    if (!Dialogs::confirm(m_logWindow ? static_cast<QWidget *>(m_logWindow) : this,
                          tr("Forget the window's size and place, the folders the file "
                             "dialogs open in and the printer link?"),
                          tr("Reset Settings")))
        return;
    m_settings.reset();
    m_commPage->resetLink();
    showNormal();
    fitToScreen();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Enter, pressed by habit, keeps what a quit would lose.
    if (!m_stop.isRaised() && m_configPage->hasUnsentChanges() &&
        Dialogs::choose(this, tr("Quit without sending the changed settings?"),
                        Dialogs::applicationTitle, {tr("Quit"), tr("Cancel")}, 1) != 0) {
        event->ignore();
        return;
    }
    if (m_link.isBusy() && !m_stop.isRaised()) {
        event->ignore();
        askToStopTransfer();
        return;
    }
    // A transfer or file read still running is told to stop; it closes its
    // port or file, and the window closes once it has ended.
    m_stop.raise();
    if (m_busy->isBusy()) {
        event->ignore();
        return;
    }
    m_busy->titleTimer().stop();
    m_busy->uploadTimer().stop();
    m_details.closeWindow();
    if (m_logWindow)
        m_logWindow->close();
    m_settings.setWindowGeometry(saveGeometry());
    m_settings.sync();
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
    question->addButton(tr("Stop and Quit"), QMessageBox::AcceptRole);
    QPushButton *keep = question->addButton(tr("Keep Sending"), QMessageBox::RejectRole);
    // Enter keeps sending: stopping halfway may leave a printer without
    // its firmware.
    question->setDefaultButton(keep);
    connect(question, &QMessageBox::finished, this, [this, question, keep] {
        if (question->clickedButton() == keep)
            return;
        m_stop.raise();
        close();
    });
    m_stopQuestion = question;
    question->open();
}
