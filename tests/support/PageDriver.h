#pragma once

#include "support/ModalAnswerer.h"
#include "support/WindowFixture.h"

#include <QObject>
#include <QStringList>

#include <functional>

// One tab of the real window, driven as a user would.
class PageDriver : public WindowFixture
{
public:
    explicit PageDriver(MainWindow::Tab tab) { showTab(tab); }

    // Writes a file into the fixture's folder; returns its path.
    QString file(const QString &name, const QByteArray &bytes);
    void click(const QString &button);
    // Clicks, answering the boxes that open in turn: "<ok>" accepts, "<cancel>"
    // cancels, "file:PATH" picks PATH in the file dialog, other text is typed.
    // Returns shownBoxes().
    QStringList click(const QString &button, const QStringList &answers);
    // Picks `path` in the file dialog that `browse` opens; fails on any other box.
    void choose(const QString &browse, const QString &path);
    QString text(const QString &name) const; // a label's or a line edit's
    QByteArray received(bool serial) { return serial ? serialBytes() : parallelBytes(); }

    // The signs of a long operation on show: "tabs off, hourglass, title, bar".
    QString busySigns();
    // No busy sign, the plain title and the progress bar at 0.
    bool idle();
};

// Rows of a data-driven test over file sizes that cross chunk edges, each
// on both links: columns "size" (int) and "serial" (bool).
void addSizeAndLinkRows();

// Every box seen: "text|title" for messages, "prompt|title|proposed" for
// input boxes, "file|filters|proposed name" for file dialogs.
QStringList shownBoxes(const ModalAnswerer &boxes);

// How many of this process's descriptors lead to `path`; all of them when empty.
int openDescriptors(const QString &path = QString());

// The text of a file that is too large to read into memory.
QString tooLargeText(const QString &path);

// Calls `action` each time the tab strip is disabled: a long operation begins.
class OnBusy : public QObject
{
public:
    OnBusy(QWidget *tabStrip, std::function<void()> action);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_action;
};
