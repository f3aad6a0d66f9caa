#include "config/ConfigPage.h"

#include "common/NumberText.h"
#include "operation/OperationBuilders.h"
#include "printer/ConfigRules.h"
#include "printer/ProfileApply.h"
#include "ui/Accessible.h"
#include "ui/BusyIndicators.h"
#include "ui/ComboLists.h"
#include "ui/DetailsWindow.h"
#include "ui/Dialogs.h"
#include "ui/SendPresenter.h"
#include "ui_ConfigPage.h"

#include <QGroupBox>
#include <QMouseEvent>
#include <QSet>
#include <QStyleOptionGroupBox>

namespace
{

const char groupProperty[] = "group";

// The settings group a control belongs to, 0 for none.
int groupOf(const QObject *control)
{
    return control->property(groupProperty).toInt();
}

// The kinds of control a group's switch enables; check boxes and buttons
// keep their own state.
bool followsGroup(const QWidget *control)
{
    return qobject_cast<const QLineEdit *>(control) || qobject_cast<const QLabel *>(control) ||
           qobject_cast<const QComboBox *>(control) || qobject_cast<const QGroupBox *>(control) ||
           qobject_cast<const QAbstractSlider *>(control);
}

SwitchState switchState(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return SwitchState::On;
    case Qt::PartiallyChecked:
        return SwitchState::Grayed;
    default:
        return SwitchState::Off;
    }
}

// A grayed state, possible after a profile load, counts as on.
bool isOn(const QCheckBox *box)
{
    return ::isOn(switchState(box));
}

void setSwitchState(QCheckBox *box, SwitchState state)
{
    switch (state) {
    case SwitchState::Off:
        box->setCheckState(Qt::Unchecked);
        break;
    case SwitchState::On:
        box->setCheckState(Qt::Checked);
        break;
    case SwitchState::Grayed:
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
        break;
    }
}

void setRange(QAbstractSlider *slider, ConfigRules::Range range)
{
    slider->setRange(range.minimum, range.maximum);
}

// The underlined letter of a frame's caption works its switch, as a check
// box's own mnemonic would. A disabled frame hears no keys, so the switch
// holds the key while its frame is off; only one of them holds it at a time,
// or the key would be ambiguous.
class CaptionKey : public QObject
{
public:
    CaptionKey(QCheckBox *settingSwitch, QGroupBox *frame)
        : QObject(frame), m_switch(settingSwitch), m_frame(frame)
    {
        frame->installEventFilter(this);
        settingSwitch->installEventFilter(this);
        followFrame();
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_frame && event->type() == QEvent::EnabledChange)
            followFrame();
        if (event->type() != QEvent::Shortcut)
            return false;
        // At once, and the same from either holder.
        m_switch->setFocus(Qt::ShortcutFocusReason);
        m_switch->click();
        return true;
    }

private:
    void followFrame()
    {
        m_switch->setShortcut(m_frame->isEnabled() ? QKeySequence()
                                                   : QKeySequence::mnemonic(m_frame->title()));
    }

    QCheckBox *m_switch;
    QGroupBox *m_frame;
};

} // namespace

ConfigPage::ConfigPage(PageServices services, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::ConfigPage>()), m_services(services)
{
    ui->setupUi(this);
    m_darknessSlider = ui->Slider1;
    m_darknessWarning = ui->Label10;
    m_emulationOffSwitch = ui->Check1;
    m_scalerNote = ui->Label14;
    m_scalerCaption = ui->Label15;
    // Every keystroke is checked as typed; completion would type for the user.
    ui->PrintModeCMB->setCompleter(nullptr);
    ui->PrintSpeedCMB->setCompleter(nullptr);
    for (QSlider *slider : {ui->EmulationSlider, ui->TextBufMain, ui->TextBufOver})
        slider->installEventFilter(this);
    // The ranges a profile is checked against, wherever it is loaded.
    setRange(m_darknessSlider, ConfigRules::darknessRange);
    setRange(ui->EmulationSlider, ConfigRules::scalerRange);
    setRange(ui->TextBufMain, ConfigRules::mainBufferRange);

    // A switch is named by its frame's caption, as a check box by its label.
    for (QCheckBox *settingSwitch : switches()) {
        settingSwitch->setAccessibleName(Accessible::spokenText(frameOf(settingSwitch)->title()));
        new CaptionKey(settingSwitch, frameOf(settingSwitch));
    }

    connectControls();
    updateEnabled();
    setStartValues();
    fillLists();
    settle();
}

ConfigPage::~ConfigPage() = default;

// The caption of a frame acts as its switch's label: a click on it toggles
// the switch. A frame, enabled or not, leaves the click to the page.
QCheckBox *ConfigPage::switchCaptionAt(const QPoint &pos) const
{
    for (QCheckBox *settingSwitch : switches()) {
        const QGroupBox *frame = frameOf(settingSwitch);
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.textAlignment = frame->alignment();
        option.lineWidth = 1;
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect caption = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                             QStyle::SC_GroupBoxLabel, frame);
        if (caption.translated(frame->pos()).contains(pos))
            return settingSwitch;
    }
    return nullptr;
}

void ConfigPage::mousePressEvent(QMouseEvent *event)
{
    // Taken, so that the release comes here too.
    if (event->button() == Qt::LeftButton && switchCaptionAt(event->position().toPoint()))
        event->accept();
    else
        QWidget::mousePressEvent(event);
}

void ConfigPage::mouseReleaseEvent(QMouseEvent *event)
{
    QCheckBox *settingSwitch =
        event->button() == Qt::LeftButton ? switchCaptionAt(event->position().toPoint()) : nullptr;
    if (settingSwitch && settingSwitch->isEnabled())
        settingSwitch->click();
    else
        QWidget::mouseReleaseEvent(event);
}

QGroupBox *ConfigPage::frameOf(const QCheckBox *settingSwitch) const
{
    for (QGroupBox *frame : findChildren<QGroupBox *>(Qt::FindDirectChildrenOnly)) {
        if (groupOf(frame) == groupOf(settingSwitch))
            return frame;
    }
    qFatal("no frame for switch %s", qPrintable(settingSwitch->objectName()));
}

QList<QCheckBox *> ConfigPage::switches() const
{
    return {ui->DarkChk,      ui->WidthChk,  ui->PrintSpeedChk,
            ui->PrintModeChk, ui->KestraChk, ui->TextBufferChk};
}

void ConfigPage::connectControls()
{
    for (QCheckBox *settingSwitch : switches())
        connect(settingSwitch, &QCheckBox::stateChanged, this, &ConfigPage::followSwitch);
    connect(&m_services.busy, &BusyIndicators::busyChanged, this, &ConfigPage::updateEnabled);
    connect(m_emulationOffSwitch, &QCheckBox::stateChanged, this,
            &ConfigPage::showScalerUnlessEmulationOff);

    // actionTriggered comes when the user moves the thumb, before the new
    // value is set: the "moved" handling runs ahead of the "changed" one.
    connect(m_darknessSlider, &QAbstractSlider::actionTriggered, this,
            &ConfigPage::showDarknessBeingMoved);
    // A value set without a move of the thumb (a screen reader sets it
    // through its value) is the user's too: the label follows, before the
    // Details block is rebuilt from it.
    connect(m_darknessSlider, &QAbstractSlider::valueChanged, this, &ConfigPage::showDarkness);
    connect(m_darknessSlider, &QAbstractSlider::valueChanged, this, &ConfigPage::updateDetails);
    connect(ui->TextBufMain, &QAbstractSlider::actionTriggered, this,
            [this] { coupleBuffers(ui->TextBufMain->sliderPosition()); });
    connect(ui->TextBufMain, &QAbstractSlider::valueChanged, this, [this] {
        coupleBuffers(ui->TextBufMain->value());
        updateDetails();
    });
    connect(ui->TextBufOver, &QAbstractSlider::actionTriggered, this,
            &ConfigPage::showOverflowBeingMoved);
    connect(ui->TextBufOver, &QAbstractSlider::valueChanged, this, &ConfigPage::showOverflow);
    // The scaler's value beside it, following the thumb as it moves.
    for (auto moved : {&QAbstractSlider::valueChanged, &QAbstractSlider::sliderMoved})
        connect(ui->EmulationSlider, moved, ui->ScalerLbl,
                [this](int scaler) { ui->ScalerLbl->setText(QString::number(scaler)); });

    connect(ui->WidthTxt, &QLineEdit::textChanged, this, &ConfigPage::checkWidth);
    connect(ui->PrintModeCMB, &QComboBox::editTextChanged, this, &ConfigPage::checkPrintMode);
    connect(ui->PrintModeCMB, &QComboBox::activated, this, &ConfigPage::updateDetails);
    connect(ui->PrintSpeedCMB, &QComboBox::editTextChanged, this, &ConfigPage::checkPrintSpeed);
    connect(ui->PrintSpeedCMB, &QComboBox::activated, this, &ConfigPage::updateDetails);

    connect(ui->UploadCMD, &QPushButton::clicked, this, &ConfigPage::uploadSettings);
    connect(ui->DetailsChk, &QCheckBox::toggled, this,
            [this](bool checked) { m_services.details.setShown(checked); });
    connect(ui->ExportCMD, &QPushButton::clicked, this, &ConfigPage::exportRequested);
    connect(ui->LoadCMD, &QPushButton::clicked, this, &ConfigPage::importRequested);
}

void ConfigPage::setStartValues()
{
    // Set as changes, so that the buffer coupling bounds the overflow from
    // the first start on.
    const ConfigValues start = ConfigRules::startState().values;
    ui->EmulationSlider->setValue(start.scaler);
    ui->TextBufMain->setValue(start.mainBuffer);
    ui->TextBufOver->setValue(start.overflowBuffer);
    ui->OverflowLbl->setText(QString::number(ui->TextBufOver->value()));
    ui->TextBufferLbl->setText(QString::number(ui->TextBufMain->value()));
}

void ConfigPage::fillLists()
{
    ComboLists::fill(ui->PrintModeCMB, ConfigRules::printModes(),
                     ConfigRules::printModes().first());
    ComboLists::fill(ui->PrintSpeedCMB, ConfigRules::printSpeeds(),
                     ConfigRules::printSpeeds().first());
}

ConfigValues ConfigPage::values() const
{
    ConfigValues values;
    values.darknessSwitch = switchState(ui->DarkChk);
    values.darkness = ui->DarkLbl->text();
    values.widthSwitch = switchState(ui->WidthChk);
    values.width = ui->WidthTxt->text();
    values.emulationSwitch = switchState(ui->KestraChk);
    values.emulationOff = switchState(m_emulationOffSwitch);
    values.scaler = ui->EmulationSlider->value();
    values.printModeSwitch = switchState(ui->PrintModeChk);
    values.printMode = ui->PrintModeCMB->currentText();
    values.printSpeedSwitch = switchState(ui->PrintSpeedChk);
    values.printSpeed = ui->PrintSpeedCMB->currentText();
    values.textBufferSwitch = switchState(ui->TextBufferChk);
    values.mainBuffer = ui->TextBufMain->value();
    values.overflowBuffer = ui->TextBufOver->value();
    return values;
}

ConfigRules::TabState ConfigPage::tabState() const
{
    return {values(), ui->TextBufOver->maximum()};
}

std::optional<Failure> ConfigPage::apply(const ProfileRecord &record)
{
    const ProfileApply::Result result = ProfileApply::apply(tabState(), record);
    for (const ProfileApply::Field field : ProfileApply::fields()) {
        if (result.stop && result.stop->field == field)
            return result.stop->box;
        if (const ProfileApply::TextRefusal *refused = result.refusalOf(field))
            showRefusal(*textBoxOf(field), refused->typed, refused->refusal);
        else
            show(field, result.state.values);
    }
    return std::nullopt;
}

void ConfigPage::show(ProfileApply::Field field, const ConfigValues &values)
{
    using Field = ProfileApply::Field;
    switch (field) {
    case Field::DarkEnable:
        return setSwitchState(ui->DarkChk, values.darknessSwitch);
    case Field::Darkness: {
        // The slider goes with the label, so that the next move starts from
        // there. The label first: the slider's change rebuilds the Details
        // block from it.
        const int darkness = values.darkness.toInt();
        showDarkness(darkness);
        return m_darknessSlider->setValue(darkness);
    }
    case Field::EmulationEnable:
        return setSwitchState(ui->KestraChk, values.emulationSwitch);
    case Field::EmulationOff:
        return setSwitchState(m_emulationOffSwitch, values.emulationOff);
    case Field::Scaler:
        return ui->EmulationSlider->setValue(values.scaler);
    case Field::PrintSpeedEnable:
        return setSwitchState(ui->PrintSpeedChk, values.printSpeedSwitch);
    case Field::PrintSpeed:
        return ui->PrintSpeedCMB->setEditText(values.printSpeed);
    case Field::TextBufferEnable:
        return setSwitchState(ui->TextBufferChk, values.textBufferSwitch);
    case Field::MainBuffer:
        return ui->TextBufMain->setValue(values.mainBuffer);
    case Field::OverflowBuffer:
        return ui->TextBufOver->setValue(values.overflowBuffer);
    case Field::Width:
        return ui->WidthTxt->setText(values.width);
    case Field::WidthEnable:
        return setSwitchState(ui->WidthChk, values.widthSwitch);
    case Field::PrintModeEnable:
        return setSwitchState(ui->PrintModeChk, values.printModeSwitch);
    case Field::PrintMode:
        return ui->PrintModeCMB->setEditText(values.printMode);
    }
}

QLineEdit *ConfigPage::textBoxOf(ProfileApply::Field field) const
{
    switch (field) {
    case ProfileApply::Field::PrintSpeed:
        return ui->PrintSpeedCMB->lineEdit();
    case ProfileApply::Field::PrintMode:
        return ui->PrintModeCMB->lineEdit();
    default:
        return ui->WidthTxt;
    }
}

void ConfigPage::showRefusal(QLineEdit &box, const QString &typed,
                             const ConfigRules::Refusal &refused)
{
    if (box.text() != typed) {
        // Already refused: its check must not show the box a second time.
        const QSignalBlocker quiet(&box);
        box.setText(typed);
    }
    // Letters are replaced before the box shows; any other refused text
    // stays in sight until the box is dismissed.
    if (refused.box.code == FailureCode::TypeMismatch) {
        box.setText(refused.fallback);
        Dialogs::showFailure(m_services.window, refused.box);
    } else {
        Dialogs::showFailure(m_services.window, refused.box);
        box.setText(refused.fallback);
    }
}

bool ConfigPage::hasUnsentChanges() const
{
    return ConfigBlock::build(values()) != m_settled;
}

void ConfigPage::settle()
{
    m_settled = ConfigBlock::build(values());
}

void ConfigPage::updateDetails()
{
    const ConfigValues current = values();
    if (current.anySwitchOn())
        m_services.details.setText(ConfigBlock::build(current));
}

std::optional<Failure> ConfigPage::setSliderValue(QAbstractSlider &slider, std::int32_t value)
{
    if (value < slider.minimum() || value > slider.maximum())
        return Failures::invalidValue();
    slider.setValue(value);
    return std::nullopt;
}

void ConfigPage::updateEnabled()
{
    const bool idle = !m_services.busy.isBusy();
    QSet<int> groupsOn;
    for (const QCheckBox *settingSwitch : switches())
        if (isOn(settingSwitch))
            groupsOn.insert(groupOf(settingSwitch));
    const QList<QWidget *> inputs = BusyIndicators::inputsOf(this);
    const QList<QWidget *> controls = findChildren<QWidget *>();
    for (QWidget *control : controls) {
        const bool grouped = groupOf(control) != 0 && followsGroup(control);
        const bool input = inputs.contains(control);
        if (grouped || input)
            control->setEnabled((!grouped || groupsOn.contains(groupOf(control))) &&
                                (!input || idle));
    }
}

void ConfigPage::followSwitch()
{
    updateEnabled();
    updateDetails();
}

void ConfigPage::showScalerUnlessEmulationOff()
{
    // Emulation switched off in the printer leaves nothing to scale.
    const bool scalerShown = !isOn(m_emulationOffSwitch);
    m_scalerCaption->setVisible(scalerShown);
    m_scalerNote->setVisible(scalerShown);
    ui->EmulationSlider->setVisible(scalerShown);
    ui->ScalerLbl->setVisible(scalerShown);
    updateDetails();
}

void ConfigPage::showDarknessBeingMoved()
{
    // The label, not the slider, is the darkness of record: it follows the
    // thumb while the thumb moves.
    showDarkness(m_darknessSlider->sliderPosition());
}

void ConfigPage::showDarkness(int darkness)
{
    ui->DarkLbl->setText(QString::number(darkness));
    m_darknessWarning->setVisible(darkness > 50);
}

void ConfigPage::checkWidth()
{
    const QString width = ui->WidthTxt->text();
    if (const std::optional<ConfigRules::Refusal> refused = ConfigRules::checkWidth(width)) {
        showRefusal(*ui->WidthTxt, width, *refused);
        // A width that is no number at all leaves the Details as they were.
        if (refused->box.code != FailureCode::InvalidValue)
            return;
    }
    updateDetails();
}

void ConfigPage::checkComboText(QComboBox *combo,
                                std::optional<ConfigRules::Refusal> (*check)(const QString &))
{
    const QString text = combo->currentText();
    if (const std::optional<ConfigRules::Refusal> refused = check(text))
        showRefusal(*combo->lineEdit(), text, *refused);
    updateDetails();
}

void ConfigPage::checkPrintMode()
{
    checkComboText(ui->PrintModeCMB, &ConfigRules::checkPrintMode);
}

void ConfigPage::checkPrintSpeed()
{
    checkComboText(ui->PrintSpeedCMB, &ConfigRules::checkPrintSpeed);
}

void ConfigPage::coupleBuffers(int mainSize)
{
    ConfigRules::TabState tab = tabState();
    ConfigRules::setMainBuffer(tab, mainSize);
    // The slider lowers an overflow above its new maximum by itself.
    ui->TextBufOver->setMaximum(tab.overflowMaximum);
    ui->TextBufOver->setValue(tab.values.overflowBuffer);
    ui->OverflowLbl->setText(QString::number(ui->TextBufOver->value()));
    ui->TextBufferLbl->setText(QString::number(mainSize));
}

void ConfigPage::showOverflowBeingMoved()
{
    ui->OverflowLbl->setText(QString::number(ui->TextBufOver->sliderPosition()));
}

void ConfigPage::showOverflow()
{
    ui->OverflowLbl->setText(QString::number(ui->TextBufOver->value()));
    updateDetails();
}

void ConfigPage::updateDetailsOnScalerRelease(Qt::MouseButton button)
{
    // The scaler has no change handling: the Details block follows it when
    // the user lets go of the thumb.
    if (button == Qt::LeftButton)
        updateDetails();
}

bool ConfigPage::eventFilter(QObject *watched, QEvent *event)
{
    auto *slider = qobject_cast<QSlider *>(watched);
    if (slider && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Menu &&
            !(key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier))
            return false;
        enterValue(slider);
        return true;
    }
    // Some platforms send the Menu key as a context menu event as well: the
    // key alone opens the box, once.
    if (slider && event->type() == QEvent::ContextMenu)
        return static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard;
    const bool mouseButton =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease;
    // A disabled slider sees no mouse; filters would otherwise still hear it.
    if (!slider || !mouseButton || !slider->isEnabled())
        return QWidget::eventFilter(watched, event);

    const Qt::MouseButton button = static_cast<QMouseEvent *>(event)->button();
    if (event->type() == QEvent::MouseButtonRelease) {
        if (slider == ui->EmulationSlider)
            updateDetailsOnScalerRelease(button);
        return false;
    }
    if (button != Qt::RightButton)
        return false;
    enterValue(slider);
    return true;
}

void ConfigPage::enterValue(QSlider *slider)
{
    if (slider == ui->EmulationSlider)
        enterScaler();
    else if (slider == ui->TextBufMain)
        enterMainBuffer();
    else if (slider == ui->TextBufOver)
        enterOverflowBuffer();
}

void ConfigPage::enterScaler()
{
    const QString answer = Dialogs::inputBox(m_services.window, tr("Please Enter Desired Scaler"),
                                             tr("Scaler Setting"), QStringLiteral("100"));
    if (answer.isEmpty())
        return;
    const NumberText::Converted<double> number = NumberText::toDouble(answer);
    if (const Failure *failure = std::get_if<Failure>(&number)) {
        // Letters are ignored without a word; only a number out of all
        // range is worth a message.
        if (failure->code != FailureCode::TypeMismatch)
            Dialogs::showFailure(m_services.window, *failure);
        return;
    }
    double scaler = std::get<double>(number);
    if (scaler > 250) {
        Dialogs::showMessage(m_services.window, tr("Maximum Value is 250"));
        scaler = 250;
    }
    applyEnteredValue(*ui->EmulationSlider, scaler);
}

std::optional<ConfigPage::BufferAnswer> ConfigPage::askBufferSize(QSlider &slider,
                                                                  const QString &prompt,
                                                                  const QString &title,
                                                                  double emptyValue)
{
    const QString answer =
        Dialogs::inputBox(m_services.window, prompt, title, QString::number(slider.value()));
    if (answer.isEmpty())
        return BufferAnswer{emptyValue, false};
    const NumberText::Converted<double> number = NumberText::toDouble(answer);
    if (const Failure *failure = std::get_if<Failure>(&number)) {
        if (failure->code == FailureCode::TypeMismatch)
            Dialogs::showMessage(m_services.window, tr("Invalid Data"), QStringLiteral("Warning"));
        else
            Dialogs::showFailure(m_services.window, *failure);
        return std::nullopt;
    }
    return BufferAnswer{std::get<double>(number), true};
}

void ConfigPage::enterMainBuffer()
{
    // No range check of its own: the slider refuses what it cannot hold.
    if (const std::optional<BufferAnswer> answer =
            askBufferSize(*ui->TextBufMain, tr("Set Value for Main Text Buffer"),
                          tr("Primary Text Buffer"), 4096))
        applyEnteredValue(*ui->TextBufMain, answer->size);
}

void ConfigPage::enterOverflowBuffer()
{
    const std::optional<BufferAnswer> answer = askBufferSize(
        *ui->TextBufOver, tr("Enter value for Overflow Buffer"), tr("Overflow Buffer"), 1024);
    if (!answer)
        return;
    if (answer->typed &&
        (answer->size < 0 || answer->size > double(ui->TextBufMain->value()) - 1024)) {
        Dialogs::showMessage(m_services.window,
                             tr("Overflow must fall between 0 and (Text Buffer-1024)"),
                             tr("Overflow Buffer Warning"));
        return;
    }
    applyEnteredValue(*ui->TextBufOver, answer->size);
}

void ConfigPage::applyEnteredValue(QAbstractSlider &slider, double value)
{
    const NumberText::Converted<std::int32_t> whole = NumberText::toInt32(value);
    std::optional<Failure> failure;
    if (const Failure *tooLarge = std::get_if<Failure>(&whole))
        failure = *tooLarge;
    else
        failure = setSliderValue(slider, std::get<std::int32_t>(whole));
    if (failure)
        Dialogs::showFailure(m_services.window, *failure);
}

void ConfigPage::uploadSettings()
{
    const ConfigValues shown = values();
    const OperationBuilders::Built built =
        OperationBuilders::configuration(tr("Configuration block"), shown);
    if (!built.operation) {
        Dialogs::showMessage(m_services.window, built.refusals.join(QLatin1Char('\n')));
        return;
    }
    m_services.printer.run(*built.operation, [this, block = ConfigBlock::build(shown)](
                                                 SendPresenter::Outcome outcome) {
        if (outcome == SendPresenter::Outcome::Sent)
            m_settled = block;
    });
}
