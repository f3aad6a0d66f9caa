#include "virtualwindow/VirtualWindow.h"

#include "common/TerminalText.h"
#include "ui_VirtualWindow.h"
#include "virtual/Fleet.h"
#include "virtual/VirtualPrinter.h"

#include <QApplication>
#include <QHeaderView>
#include <QJsonObject>
#include <QPixmap>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{

// A graphic smaller than this is shown enlarged, by whole dots, to be seen.
constexpr int pictureSide = 96;
constexpr int largestEnlargement = 8;

enum Column { LinkColumn, StateColumn, LabelsColumn };

// Whether something listens on a local socket, by its path or its abstract
// name (where an X server listens first).
bool answers(const QByteArray &path, bool abstract)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const qsizetype at = abstract ? 1 : 0;
    if (path.size() + at >= qsizetype(sizeof address.sun_path))
        return false;
    memcpy(address.sun_path + at, path.constData(), size_t(path.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    const socklen_t length = socklen_t(offsetof(sockaddr_un, sun_path) + at + path.size());
    const bool connected = ::connect(socket, reinterpret_cast<sockaddr *>(&address), length) == 0;
    ::close(socket);
    return connected;
}

// Why no X server takes windows at $DISPLAY, or nothing. A display on
// another host is left for Qt to try.
std::optional<QString> missingX()
{
    const QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        return QStringLiteral("DISPLAY is not set");
    const QString host = display.section(QLatin1Char(':'), 0, 0);
    if (!host.isEmpty() && host != QLatin1String("unix"))
        return std::nullopt;
    bool number = false;
    const int screen =
        display.section(QLatin1Char(':'), 1).section(QLatin1Char('.'), 0, 0).toInt(&number);
    const QByteArray path = "/tmp/.X11-unix/X" + QByteArray::number(screen);
    if (number && (answers(path, true) || answers(path, false)))
        return std::nullopt;
    return QStringLiteral("no X server answers on DISPLAY %1").arg(display);
}

std::optional<QString> missingWayland()
{
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (name.isEmpty())
        return QStringLiteral("WAYLAND_DISPLAY is not set");
    const QString path = name.startsWith(QLatin1Char('/'))
                             ? name
                             : qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') + name;
    if (answers(path.toLocal8Bit(), false))
        return std::nullopt;
    return QStringLiteral("no Wayland compositor answers on WAYLAND_DISPLAY %1").arg(name);
}

QString stateOf(const PrinterModel &model)
{
    return model.restarting ? QStringLiteral("restarting")
                            : PrinterModel::conditionWord(model.condition());
}

void setText(QTreeWidgetItem *row, int column, const QString &text)
{
    if (row->text(column) != text)
        row->setText(column, text);
}

} // namespace

VirtualWindow::VirtualWindow(Fleet &fleet, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::VirtualWindow>()), m_fleet(fleet)
{
    ui->setupUi(this);
    ui->PrintersLst->header()->setStretchLastSection(false);
    ui->PrintersLst->header()->setSectionResizeMode(LinkColumn, QHeaderView::Stretch);
    ui->ObjectsLst->header()->setStretchLastSection(false);
    ui->ObjectsLst->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_refresh.setSingleShot(true);
    m_refresh.setInterval(refreshMs);
    refresh();
    // Wide enough for every state and a large odometer from the start, so
    // that no word is cut when a printer changes.
    const QFontMetrics metrics(ui->PrintersLst->font());
    int state = metrics.horizontalAdvance(QStringLiteral("restarting"));
    for (const QString &word : PrinterModel::conditionWords())
        state = std::max(state, metrics.horizontalAdvance(word));
    const int margin = 4 * ui->PrintersLst->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    ui->PrintersLst->header()->resizeSection(StateColumn, state + margin);
    ui->PrintersLst->header()->resizeSection(
        LabelsColumn, std::max(metrics.horizontalAdvance(QStringLiteral("9999999")),
                               ui->PrintersLst->header()->sectionSizeHint(LabelsColumn)) +
                          margin);
    ui->MainSplit->setStretchFactor(1, 1);
    ui->MainSplit->setSizes({360, 640});
    connectControls();
    if (ui->PrintersLst->topLevelItemCount() > 0)
        ui->PrintersLst->setCurrentItem(ui->PrintersLst->topLevelItem(0));
    showDetails();
}

VirtualWindow::~VirtualWindow() = default;

void VirtualWindow::connectControls()
{
    connect(&m_fleet, &Fleet::printerChanged, this, &VirtualWindow::changed);
    connect(&m_refresh, &QTimer::timeout, this, &VirtualWindow::refresh);
    connect(ui->PrintersLst, &QTreeWidget::currentItemChanged, this, &VirtualWindow::showDetails);
    connect(ui->ObjectsLst, &QTreeWidget::currentItemChanged, this, &VirtualWindow::showPicture);
    connect(ui->DoorCmd, &QPushButton::clicked, this, [this] { set(QStringLiteral("head-open")); });
    connect(ui->PaperCmd, &QPushButton::clicked, this, [this] { set(QStringLiteral("no-paper")); });
    connect(ui->JamCmd, &QPushButton::clicked, this, [this] { set(QStringLiteral("jammed")); });
    connect(ui->ReadyCmd, &QPushButton::clicked, this, [this] { set(QStringLiteral("ready")); });
}

void VirtualWindow::changed(VirtualPrinter *printer)
{
    // Printers taking data change with every piece: gathered, they cost
    // the window one pass however many there were.
    m_changed.insert(printer);
    if (!m_refresh.isActive())
        m_refresh.start();
}

void VirtualWindow::refresh()
{
    const VirtualPrinter *current = selected();
    // Rows stand in the fleet's order, new printers last.
    if (m_rows.size() < m_fleet.printers().size()) {
        for (VirtualPrinter *printer : m_fleet.printers()) {
            QTreeWidgetItem *&row = m_rows[printer];
            if (row)
                continue;
            row = new QTreeWidgetItem(ui->PrintersLst);
            row->setData(LinkColumn, Qt::UserRole, QVariant::fromValue<void *>(printer));
            row->setTextAlignment(LabelsColumn, Qt::AlignRight | Qt::AlignVCenter);
            m_changed.insert(printer);
        }
    }
    bool details = false;
    for (VirtualPrinter *printer : std::as_const(m_changed)) {
        showRow(m_rows.value(printer), *printer);
        details = details || printer == current;
    }
    m_changed.clear();
    if (details)
        showDetails();
}

void VirtualWindow::showRow(QTreeWidgetItem *row, const VirtualPrinter &printer)
{
    setText(row, LinkColumn, TerminalText::escaped(printer.link()));
    setText(row, StateColumn, stateOf(printer.model()));
    setText(row, LabelsColumn, QString::number(printer.model().odometer()));
}

VirtualPrinter *VirtualWindow::selected() const
{
    const QTreeWidgetItem *row = ui->PrintersLst->currentItem();
    return row ? static_cast<VirtualPrinter *>(row->data(LinkColumn, Qt::UserRole).value<void *>())
               : nullptr;
}

void VirtualWindow::showDetails()
{
    const VirtualPrinter *printer = selected();
    for (QWidget *button : {ui->DoorCmd, ui->PaperCmd, ui->JamCmd, ui->ReadyCmd})
        button->setEnabled(printer != nullptr);
    if (!printer) {
        ui->PrinterLbl->setText(QStringLiteral("No printer selected."));
        ui->SettingsLst->clear();
        ui->ObjectsLst->clear();
        ui->FirmwareLbl->clear();
        ui->CommandsTxt->clear();
        showPicture();
        return;
    }
    const PrinterModel &model = printer->model();
    ui->PrinterLbl->setText(
        QStringLiteral("%1, serial number %2: %3, %4 printed, %5 bytes received, media %6")
            .arg(TerminalText::escaped(printer->link()), TerminalText::escaped(model.serialNumber),
                 stateOf(model),
                 model.odometer() == 1 ? QStringLiteral("one label")
                                       : QStringLiteral("%1 labels").arg(model.odometer()))
            .arg(model.bytesReceived())
            .arg(model.calibrated() ? QStringLiteral("calibrated")
                                    : QStringLiteral("not calibrated")));

    QList<QStringList> settings;
    for (auto it = model.settings().constBegin(); it != model.settings().constEnd(); ++it)
        settings << QStringList{TerminalText::escaped(it.key()), TerminalText::escaped(*it)};
    bool same = ui->SettingsLst->topLevelItemCount() == settings.size();
    for (int i = 0; same && i < settings.size(); ++i)
        same = ui->SettingsLst->topLevelItem(i)->text(0) == settings[i][0] &&
               ui->SettingsLst->topLevelItem(i)->text(1) == settings[i][1];
    if (!same) {
        ui->SettingsLst->clear();
        for (const QStringList &setting : std::as_const(settings))
            new QTreeWidgetItem(ui->SettingsLst, setting);
    }

    showObjects(*printer);

    if (const std::optional<PrinterModel::Firmware> &firmware = model.firmware())
        ui->FirmwareLbl->setText(
            QStringLiteral("%1 bytes, %2 received so far\nSHA-256 %3")
                .arg(firmware->size)
                .arg(firmware->received == 1 ? QStringLiteral("one image")
                                             : QStringLiteral("%1 images").arg(firmware->received))
                .arg(QString::fromLatin1(firmware->sha256.toHex())) +
            (model.restarting ? QStringLiteral("\nRestarting: it takes no data for now.")
                              : QString()));
    else
        ui->FirmwareLbl->setText(QStringLiteral("None received."));

    const QString commands = TerminalText::escapedLines(model.transcript().join(QLatin1Char('\n')));
    if (ui->CommandsTxt->toPlainText() != commands) {
        ui->CommandsTxt->setPlainText(commands);
        QScrollBar *bar = ui->CommandsTxt->verticalScrollBar();
        bar->setValue(bar->maximum());
    }
}

void VirtualWindow::showObjects(const VirtualPrinter &printer)
{
    // Rebuilt only when the objects changed: pictures are decoded once, and
    // the user's choice of object stays.
    const QMap<QString, PrinterModel::StoredObject> &objects = printer.model().objects();
    bool same = ui->ObjectsLst->topLevelItemCount() == objects.size() &&
                ui->ObjectsLst->property("printer").value<void *>() == &printer;
    int at = 0;
    for (auto it = objects.constBegin(); same && it != objects.constEnd(); ++it, ++at) {
        const QTreeWidgetItem *row = ui->ObjectsLst->topLevelItem(at);
        same = row->data(0, Qt::UserRole).toString() == it.key() &&
               row->data(1, Qt::UserRole).toByteArray() == it->sha256;
    }
    if (same)
        return;
    const QTreeWidgetItem *current = ui->ObjectsLst->currentItem();
    const QString chosen = current ? current->data(0, Qt::UserRole).toString() : QString();
    const QSignalBlocker quiet(ui->ObjectsLst);
    ui->ObjectsLst->clear();
    ui->ObjectsLst->setProperty(
        "printer", QVariant::fromValue<void *>(const_cast<VirtualPrinter *>(&printer)));
    QTreeWidgetItem *select = nullptr;
    for (auto it = objects.constBegin(); it != objects.constEnd(); ++it) {
        auto *row =
            new QTreeWidgetItem(ui->ObjectsLst, QStringList{TerminalText::escaped(it.key()),
                                                            it->kind, QString::number(it->size)});
        row->setData(0, Qt::UserRole, it.key());
        row->setData(1, Qt::UserRole, it->sha256);
        row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        QPixmap picture;
        if (!it->png.isEmpty() && picture.loadFromData(it->png, "PNG")) {
            row->setIcon(0, QIcon(picture));
            row->setData(2, Qt::UserRole, QVariant::fromValue(picture));
            if (!select)
                select = row;
        }
        if (it.key() == chosen)
            select = row;
    }
    ui->ObjectsLst->setCurrentItem(select);
    ui->ObjectsLst->resizeColumnToContents(1);
    ui->ObjectsLst->resizeColumnToContents(2);
    showPicture();
}

void VirtualWindow::showPicture()
{
    const QTreeWidgetItem *row = ui->ObjectsLst->currentItem();
    const QPixmap picture = row ? row->data(2, Qt::UserRole).value<QPixmap>() : QPixmap();
    if (picture.isNull()) {
        ui->PictureImg->clear();
        ui->PictureImg->setText(row ? QStringLiteral("A format has no picture.")
                                    : QStringLiteral("No graphic stored."));
        return;
    }
    const int enlarged = std::clamp(pictureSide / std::max(picture.width(), picture.height()), 1,
                                    largestEnlargement);
    ui->PictureImg->setPixmap(enlarged == 1
                                  ? picture
                                  : picture.scaled(picture.size() * enlarged, Qt::KeepAspectRatio,
                                                   Qt::FastTransformation));
}

void VirtualWindow::set(const QString &condition)
{
    const VirtualPrinter *printer = selected();
    if (!printer)
        return;
    // The very request the control socket takes: one rule for both.
    const QJsonObject answer = m_fleet.control(QJsonObject{
        {QStringLiteral("printer"), printer->link()}, {QStringLiteral("set"), condition}});
    if (!answer.value(QStringLiteral("ok")).toBool())
        ui->PrinterLbl->setText(QStringLiteral("Not done: ") +
                                answer.value(QStringLiteral("error")).toString());
}

std::optional<QString> VirtualWindow::missingDisplay(int argc, char *argv[])
{
    QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0)
            platform = QString::fromLocal8Bit(argv[i + 1]);
    }
    // Qt tries the platforms of a list in turn; one that needs no display
    // server (offscreen, a frame buffer, VNC) always opens.
    QStringList platforms;
    for (const QString &entry : platform.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        platforms << entry.section(QLatin1Char(':'), 0, 0);
    if (platforms.isEmpty())
        platforms = qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
                        ? QStringList{QStringLiteral("wayland"), QStringLiteral("xcb")}
                        : QStringList{QStringLiteral("xcb")};
    QStringList why;
    for (const QString &name : std::as_const(platforms)) {
        std::optional<QString> missing;
        if (name == QLatin1String("xcb"))
            missing = missingX();
        else if (name.startsWith(QLatin1String("wayland")))
            missing = missingWayland();
        if (!missing)
            return std::nullopt;
        why << *missing;
    }
    return QStringLiteral("a window needs a display, and %1; run it on a desktop, or under "
                          "xvfb-run")
        .arg(why.join(QStringLiteral(" and ")));
}

VirtualProgram::Window VirtualWindow::support()
{
    VirtualProgram::Window window;
    window.missingDisplay = &VirtualWindow::missingDisplay;
    window.application = [](int &argc, char *argv[]) -> std::unique_ptr<QCoreApplication> {
        return std::make_unique<QApplication>(argc, argv);
    };
    window.open = [](Fleet &fleet) -> std::unique_ptr<QObject> {
        auto shown = std::make_unique<VirtualWindow>(fleet);
        shown->show();
        return shown;
    };
    return window;
}
