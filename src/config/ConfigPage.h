#pragma once

#include "app/PageServices.h"

#include <QWidget>

// The Printer Configuration tab: six settings behind their switches, upload, profiles.
class ConfigPage : public QWidget
{
    Q_OBJECT
public:
    explicit ConfigPage(PageServices services, QWidget *parent = nullptr);
    ~ConfigPage() override;

private:
    PageServices m_services;
};
