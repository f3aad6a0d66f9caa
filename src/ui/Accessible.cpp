#include "ui/Accessible.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTabBar>
#include <QToolButton>

namespace Accessible
{

QString spokenText(const QString &label)
{
    QString spoken;
    for (int i = 0; i < label.size(); ++i) {
        // "&&" shows one ampersand; a single one marks the next letter.
        if (label.at(i) == QLatin1Char('&') && ++i == label.size())
            break;
        spoken += label.at(i);
    }
    while (!spoken.isEmpty() && (spoken.back().isSpace() || spoken.back() == QLatin1Char(':')))
        spoken.chop(1);
    return spoken.trimmed();
}

namespace
{

// The name a control goes by: its own, or its label's.
QString nameOf(const QWidget *control, const QList<QLabel *> &labels)
{
    if (!control->accessibleName().isEmpty())
        return control->accessibleName();
    for (const QLabel *label : labels)
        if (label->buddy() == control)
            return spokenText(label->text());
    return {};
}

} // namespace

void nameParts(QWidget *root)
{
    const QList<QLabel *> labels = root->findChildren<QLabel *>();
    for (QComboBox *combo : root->findChildren<QComboBox *>()) {
        const QString name = nameOf(combo, labels);
        if (name.isEmpty())
            continue;
        combo->setAccessibleName(name);
        // The popup list exists from here on; Qt makes it on first use anyway.
        combo->view()->setAccessibleName(name);
        if (QLineEdit *edit = combo->lineEdit())
            edit->setAccessibleName(name);
    }
}

namespace
{

// One page tab: a child of the tab strip without a widget of its own.
class TabInterface : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    TabInterface(QTabBar *bar, int index) : m_bar(bar), m_index(index) {}

    bool isValid() const override { return m_bar && m_index < m_bar->count(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_bar.data());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        switch (t) {
        case QAccessible::Name:
            return spokenText(m_bar->tabText(m_index));
        case QAccessible::Description:
            return m_bar->tabToolTip(m_index);
        default:
            return {};
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const bool current = m_bar->currentIndex() == m_index;
        state.selectable = true;
        state.selected = current;
        state.focusable = true;
        state.focused = current && m_bar->hasFocus();
        state.disabled = !m_bar->isEnabled() || !m_bar->isTabEnabled(m_index);
        state.invisible = !m_bar->isVisible() || !m_bar->isTabVisible(m_index);
        // A tab scrolled out of the strip is there, only out of sight.
        state.offscreen = !m_bar->rect().intersects(m_bar->tabRect(m_index));
        return state;
    }

    QRect rect() const override
    {
        if (!isValid() || !m_bar->isVisible())
            return {};
        const QRect tab = m_bar->tabRect(m_index);
        return {m_bar->mapToGlobal(tab.topLeft()), tab.size()};
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface
                   ? static_cast<QAccessibleActionInterface *>(this)
                   : nullptr;
    }

    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
    void doAction(const QString &action) override
    {
        if (!isValid() || !m_bar->isEnabled() || !m_bar->isTabEnabled(m_index))
            return;
        if (action == pressAction() || action == setFocusAction())
            m_bar->setCurrentIndex(m_index);
        if (action == setFocusAction())
            m_bar->setFocus();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<QTabBar> m_bar;
    int m_index;
};

// The tab strip: its tabs, then its scroll arrows.
class TabBarInterface : public QAccessibleWidget
{
public:
    explicit TabBarInterface(QTabBar *bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~TabBarInterface() override
    {
        for (QAccessible::Id id : std::as_const(m_tabs))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return bar()->count() + arrows().size(); }

    QAccessibleInterface *child(int index) const override
    {
        if (index < 0)
            return nullptr;
        if (index >= bar()->count()) {
            const QList<QToolButton *> buttons = arrows();
            index -= bar()->count();
            return index < buttons.size() ? QAccessible::queryAccessibleInterface(buttons.at(index))
                                          : nullptr;
        }
        // One interface per tab for as long as the strip lives: a screen
        // reader keeps the object it was given.
        if (const QAccessible::Id id = m_tabs.value(index))
            return QAccessible::accessibleInterface(id);
        auto *tab = new TabInterface(bar(), index);
        m_tabs.insert(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (auto it = m_tabs.cbegin(); it != m_tabs.cend(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == child)
                return it.key();
        const int arrow = arrows().indexOf(qobject_cast<QToolButton *>(child->object()));
        return arrow < 0 ? -1 : bar()->count() + arrow;
    }

private:
    QTabBar *bar() const { return static_cast<QTabBar *>(object()); }
    QList<QToolButton *> arrows() const
    {
        return bar()->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly);
    }

    mutable QHash<int, QAccessible::Id> m_tabs;
};

// An option button whose Toggle is a click: Qt's only flips its state, so a
// screen reader's choice reached none of the handlers a click reaches.
class OptionInterface : public QAccessibleWidget
{
public:
    explicit OptionInterface(QRadioButton *option)
        : QAccessibleWidget(option, QAccessible::RadioButton)
    {
    }

    // Its own caption, not the frame's title that Qt gives a control
    // without a label.
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && option()->accessibleName().isEmpty())
            return spokenText(option()->text());
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = option()->isChecked();
        return state;
    }
    QStringList actionNames() const override
    {
        QStringList names{toggleAction()};
        if (option()->focusPolicy() != Qt::NoFocus)
            names << setFocusAction();
        return names;
    }
    void doAction(const QString &action) override
    {
        if (!option()->isEnabled())
            return;
        if (action == toggleAction() || action == pressAction())
            option()->click();
        else if (action == setFocusAction())
            option()->setFocus();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QRadioButton *option() const { return static_cast<QRadioButton *>(object()); }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    // Only the strips asked for; the others keep Qt's own interface. Asked
    // for before the strip's first tab, which is when Qt first looks.
    if (className == QLatin1String("QTabBar") && object &&
        object->property("reportsSelection").toBool())
        return new TabBarInterface(static_cast<QTabBar *>(object));
    if (className == QLatin1String("QRadioButton") && object)
        return new OptionInterface(static_cast<QRadioButton *>(object));
    return nullptr;
}

// The tab that was, or has become, the selected one.
void announceSelectionChange(QTabBar *bar, int index)
{
    if (index < 0 || !QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(bar, changed);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
}

} // namespace

void install()
{
    static const bool installed = (QAccessible::installFactory(factory), true);
    Q_UNUSED(installed)
}

void reportSelectedTab(QTabBar *bar)
{
    install();
    bar->setProperty("reportsSelection", true);
    QObject::connect(bar, &QTabBar::currentChanged, bar,
                     [bar, previous = bar->currentIndex()](int index) mutable {
                         announceSelectionChange(bar, previous);
                         announceSelectionChange(bar, index);
                         previous = index;
                     });
}

} // namespace Accessible
