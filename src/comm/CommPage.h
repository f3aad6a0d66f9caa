#pragma once

#include "ui/PageServices.h"

#include <QWidget>

#include <memory>

namespace Ui
{
class CommPage;
}

// The Communication Settings tab: chooses the serial or the parallel link,
// the serial port number and line settings, and the parallel device. It
// changes only the link state; nothing is opened or sent here.
class CommPage : public QWidget
{
    Q_OBJECT
public:
    explicit CommPage(PageServices services, QWidget *parent = nullptr);
    ~CommPage() override;

    // Index 0 chooses the serial link, any other the parallel link.
    void chooseLink(int index);
    // Index 1 applies the parallel device, any other the serial settings.
    void applySettings(int index);

private:
    void fillLists();
    void connectControls();
    void applySerialSettings();
    void applyParallelDevice();

    std::unique_ptr<Ui::CommPage> ui;
    PageServices m_services;
};
