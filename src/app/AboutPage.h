#pragma once

#include "app/PageServices.h"

#include <QWidget>

// The About tab: name, version and the maker's links.
class AboutPage : public QWidget
{
    Q_OBJECT
public:
    explicit AboutPage(PageServices services, QWidget *parent = nullptr);
    ~AboutPage() override;

private:
    PageServices m_services;
};
