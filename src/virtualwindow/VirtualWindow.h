#pragma once

#include "virtual/Program.h"

#include <QHash>
#include <QSet>
#include <QTimer>
#include <QWidget>

#include <memory>

class Fleet;
class QTreeWidgetItem;
class VirtualPrinter;

namespace Ui
{
class VirtualWindow;
}

// The fleet in front of a class: one row a printer with its state and
// odometer, the selected printer's settings, stored objects with the
// graphics' pictures, firmware and last commands, and buttons that put it in
// a condition through the control requests the socket takes. Changes are
// gathered and shown at most a few times a second, however many printers
// are busy.
class VirtualWindow : public QWidget
{
    Q_OBJECT
public:
    explicit VirtualWindow(Fleet &fleet, QWidget *parent = nullptr);
    ~VirtualWindow() override;

    // What the program's --window takes from here.
    static VirtualProgram::Window support();
    // Why Qt could not show a window with these arguments and environment.
    static std::optional<QString> missingDisplay(int argc, char *argv[]);

    // The longest a change waits before it shows.
    static constexpr int refreshMs = 150;

private:
    void connectControls();
    void changed(VirtualPrinter *printer);
    void refresh();
    void showRow(QTreeWidgetItem *row, const VirtualPrinter &printer);
    void showDetails();
    void showObjects(const VirtualPrinter &printer);
    void showPicture();
    void set(const QString &condition);
    VirtualPrinter *selected() const;

    std::unique_ptr<Ui::VirtualWindow> ui;
    Fleet &m_fleet;
    QHash<const VirtualPrinter *, QTreeWidgetItem *> m_rows;
    QSet<VirtualPrinter *> m_changed;
    QTimer m_refresh;
};
