#pragma once

#include "common/Failure.h"
#include "printer/ConfigBlock.h"
#include "printer/ConfigRules.h"
#include "printer/ProfileApply.h"
#include "profile/ProfileRecord.h"
#include "ui/PageServices.h"

#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>

class QAbstractSlider;
class QCheckBox;
class QGroupBox;
class QComboBox;
class QLineEdit;
class QLabel;
class QSlider;

namespace Ui
{
class ConfigPage;
}

// The Printer Configuration tab: six settings, each in a frame behind its
// switch, the upload of the configuration block, and the profile buttons.
// The values live in the controls; every change, the program's included,
// runs the same checks and keeps the Details window's block current.
class ConfigPage : public QWidget
{
    Q_OBJECT
public:
    explicit ConfigPage(PageServices services, QWidget *parent = nullptr);
    ~ConfigPage() override;

    // The configuration as the controls hold it now.
    ConfigValues values() const;

    // The tab as the profile rules see it.
    ConfigRules::TabState tabState() const;

    // Puts a profile into the controls one at a time, in the order and with
    // the boxes of ProfileApply; each change runs the control's own change
    // handling. Returns the refusal that stopped the import: the controls
    // before it keep their new values, it and those after keep their own.
    std::optional<Failure> apply(const ProfileRecord &record);

    // Rebuilds the configuration block into the Details window, but only
    // while at least one switch is on; otherwise the window keeps its text.
    void updateDetails();

    // Whether the settings differ from those last uploaded, exported or
    // imported (at start, from the starting ones).
    bool hasUnsentChanges() const;
    // The settings shown now count as sent, exported or imported.
    void settle();

    // Sets a slider's value, refusing (InvalidValue) one outside the
    // slider's current range instead of clamping it silently.
    static std::optional<Failure> setSliderValue(QAbstractSlider &slider, std::int32_t value);

signals:
    // The profile buttons; what they do is the profile code's.
    void exportRequested();
    void importRequested();

protected:
    // Mouse buttons over the sliders that take a typed value, and the keys
    // that stand for the right button.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // The switch whose frame's caption lies under `pos`, or none.
    QCheckBox *switchCaptionAt(const QPoint &pos) const;
    QGroupBox *frameOf(const QCheckBox *settingSwitch) const;

    // The six check boxes that switch a setting on.
    QList<QCheckBox *> switches() const;
    void connectControls();
    void setStartValues();
    void fillLists();

    // What may be used now: no input while the window is busy; the frames,
    // labels, text boxes, combo boxes and sliders of a settings group only
    // while its switch is on (its check box and buttons keep their state).
    void updateEnabled();
    void followSwitch();
    void showScalerUnlessEmulationOff();

    void showDarknessBeingMoved();
    // The darkness label and, above 50, its warning.
    void showDarkness(int darkness);
    void checkWidth();
    void checkPrintMode();
    void checkPrintSpeed();
    void showOverflowBeingMoved();
    void showOverflow();
    void updateDetailsOnScalerRelease(Qt::MouseButton button);
    void uploadSettings();

    // Keeps the overflow buffer within the main buffer less 1024.
    void coupleBuffers(int mainSize);
    // Shows a profile field's new value in its control.
    void show(ProfileApply::Field field, const ConfigValues &values);
    QLineEdit *textBoxOf(ProfileApply::Field field) const;
    // Shows the box of a refused text and puts its fallback in its place.
    void showRefusal(QLineEdit &box, const QString &typed, const ConfigRules::Refusal &refused);
    // Shows the refusal of the combo's text, if `check` refuses it, and
    // puts its fallback back.
    void checkComboText(QComboBox *combo,
                        std::optional<ConfigRules::Refusal> (*check)(const QString &));

    // Typed entry of a value, for the right button or its keys.
    void enterValue(QSlider *slider);
    void enterScaler();
    void enterMainBuffer();
    void enterOverflowBuffer();
    // A buffer size asked for over `slider`: `emptyValue` for an empty answer
    // or Cancel, nothing (after telling the user why) for one that is not a
    // usable number.
    struct BufferAnswer {
        double size;
        bool typed;
    };
    std::optional<BufferAnswer> askBufferSize(QSlider &slider, const QString &prompt,
                                              const QString &title, double emptyValue);
    void applyEnteredValue(QAbstractSlider &slider, double value);

    std::unique_ptr<Ui::ConfigPage> ui;
    PageServices m_services;
    // Controls the form names by number (Slider1, Label10, Check1, Label14,
    // Label15), here by their part.
    QSlider *m_darknessSlider = nullptr;
    QLabel *m_darknessWarning = nullptr;
    QCheckBox *m_emulationOffSwitch = nullptr;
    QLabel *m_scalerNote = nullptr;
    QLabel *m_scalerCaption = nullptr;
    // The configuration block last uploaded, exported or imported.
    QString m_settled;
};
