#pragma once

#include "app/PageServices.h"

#include <QWidget>

// The Communication Settings tab: serial or parallel link, serial port number and line settings, parallel device.
class CommPage : public QWidget {
    Q_OBJECT
public:
    explicit CommPage(PageServices services, QWidget *parent = nullptr);
    ~CommPage() override;

private:
    PageServices m_services;
};
