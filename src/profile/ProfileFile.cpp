#include "profile/ProfileFile.h"

#include "common/FileFailure.h"
#include "common/NumberText.h"
#include "config/ConfigPage.h"
#include "ui/CommonDialog.h"
#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

const QString ProfileFile::filter =
    QStringLiteral("Varimonde Printer Profile (*.vsp)|*.vsp|All Files(*.*)|*.*");
const QString ProfileFile::defaultExtension = QStringLiteral(".vsp");
const QString ProfileFile::proposedName = QStringLiteral("profile.vsp");

namespace
{

// A check box state in a profile: 0 unchecked, 1 checked, 2 grayed.
enum ProfileState : std::int16_t { Unchecked = 0, Checked = 1, Grayed = 2 };

std::optional<Failure> setState(QCheckBox *box, std::int16_t state)
{
    switch (state) {
    case Unchecked:
        box->setCheckState(Qt::Unchecked);
        return std::nullopt;
    case Checked:
        box->setCheckState(Qt::Checked);
        return std::nullopt;
    case Grayed:
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
        return std::nullopt;
    default:
        return Failures::invalidValue();
    }
}

std::int16_t stateOf(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return Checked;
    case Qt::PartiallyChecked:
        return Grayed;
    default:
        return Unchecked;
    }
}

} // namespace

ProfileFile::ProfileFile(QWidget *window, ConfigPage &page) : m_window(window), m_page(page) {}

std::optional<Failure> ProfileFile::choosePath(CommonDialog &dialog, bool forSaving, QString &path)
{
    dialog.CancelError = true;
    dialog.Filter = filter;
    dialog.DefaultExt = defaultExtension;
    dialog.FileName = proposedName;
    if (std::optional<Failure> failure = forSaving ? dialog.ShowSave() : dialog.ShowOpen())
        return failure;
    path = dialog.FileName;
    return std::nullopt;
}

bool ProfileFile::FileSave(CommonDialog &dialog)
{
    QString path;
    if (std::optional<Failure> failure = choosePath(dialog, true, path))
        return fail(*failure);
    const std::variant<ProfileRecord, Failure> record = gather();
    if (const Failure *failure = std::get_if<Failure>(&record))
        return fail(*failure);
    if (std::optional<Failure> failure = writeProfile(path, std::get<ProfileRecord>(record)))
        return fail(*failure);
    return true;
}

bool ProfileFile::FileLoad(CommonDialog &dialog)
{
    QString path;
    if (std::optional<Failure> failure = choosePath(dialog, false, path))
        return fail(*failure);
    const std::variant<ProfileRecord, Failure> record = readProfile(path);
    if (const Failure *failure = std::get_if<Failure>(&record))
        return fail(*failure);
    if (std::optional<Failure> failure = putIntoWindow(std::get<ProfileRecord>(record)))
        return fail(*failure);
    return true;
}

bool ProfileFile::fail(const Failure &failure)
{
    if (failure.code != FailureCode::DialogCancelled)
        Dialogs::showFailure(m_window, failure);
    return false;
}

std::variant<ProfileRecord, Failure> ProfileFile::gather() const
{
    ProfileRecord record;
    record.DarkEnable = stateOf(m_page.DarkChk());
    const NumberText::Converted<std::int16_t> darkness =
        NumberText::toInt16(m_page.DarkLbl()->text());
    if (const Failure *failure = std::get_if<Failure>(&darkness))
        return *failure;
    record.Darkness = std::get<std::int16_t>(darkness);
    record.EmulationEnable = stateOf(m_page.KestraChk());
    record.EmulationOff = stateOf(m_page.Check1());
    // The scaler's range, 1 to 250, always fits 16 bits.
    record.Scaler = std::int16_t(m_page.EmulationSlider()->value());
    record.PrintSpeedEnable = stateOf(m_page.PrintSpeedChk());
    record.PrintSpeed = m_page.PrintSpeedCMB()->currentText();
    record.TextBufferEnable = stateOf(m_page.TextBufferChk());
    record.MainBuffer = m_page.TextBufMain()->value();
    record.OverflowBuffer = m_page.TextBufOver()->value();
    record.Width = m_page.WidthTxt()->text();
    record.WidthEnable = stateOf(m_page.WidthChk());
    record.PrintMode = m_page.PrintModeCMB()->currentText();
    record.PrintModeEnable = stateOf(m_page.PrintModeChk());
    return record;
}

std::optional<Failure> ProfileFile::putIntoWindow(const ProfileRecord &record)
{
    if (auto failure = setState(m_page.DarkChk(), record.DarkEnable))
        return failure;
    // The darkness of record is the label; the slider stays where it is.
    m_page.DarkLbl()->setText(QString::number(record.Darkness));
    if (auto failure = setState(m_page.KestraChk(), record.EmulationEnable))
        return failure;
    if (auto failure = setState(m_page.Check1(), record.EmulationOff))
        return failure;
    if (auto failure = ConfigPage::setSliderValue(*m_page.EmulationSlider(), record.Scaler))
        return failure;
    if (auto failure = setState(m_page.PrintSpeedChk(), record.PrintSpeedEnable))
        return failure;
    m_page.PrintSpeedCMB()->setEditText(record.PrintSpeed);
    if (auto failure = setState(m_page.TextBufferChk(), record.TextBufferEnable))
        return failure;
    if (auto failure = ConfigPage::setSliderValue(*m_page.TextBufMain(), record.MainBuffer))
        return failure;
    if (auto failure = ConfigPage::setSliderValue(*m_page.TextBufOver(), record.OverflowBuffer))
        return failure;
    m_page.WidthTxt()->setText(record.Width);
    if (auto failure = setState(m_page.WidthChk(), record.WidthEnable))
        return failure;
    if (auto failure = setState(m_page.PrintModeChk(), record.PrintModeEnable))
        return failure;
    m_page.PrintModeCMB()->setEditText(record.PrintMode);
    return std::nullopt;
}

std::optional<Failure> writeProfile(const QString &path, const ProfileRecord &record)
{
    const std::variant<QByteArray, Failure> bytes = ProfileCodec::encode(record);
    if (const Failure *failure = std::get_if<Failure>(&bytes))
        return *failure;
    QFile file(path);
    // Read-write opens an existing file as it is and creates a missing one.
    if (!file.open(QIODevice::ReadWrite))
        return FileFailure::fromFile(file);
    const QByteArray &record_bytes = std::get<QByteArray>(bytes);
    if (file.write(record_bytes) != record_bytes.size() || !file.flush())
        return FileFailure::fromFile(file);
    file.close();
    if (file.error() != QFileDevice::NoError)
        return FileFailure::fromFile(file);
    return std::nullopt;
}

std::variant<ProfileRecord, Failure> readProfile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileFailure::fromFile(file);
    const QByteArray slot = file.read(ProfileCodec::slotSize);
    if (file.error() != QFileDevice::NoError)
        return FileFailure::fromFile(file);
    return ProfileCodec::decode(slot);
}
