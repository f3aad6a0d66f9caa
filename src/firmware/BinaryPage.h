#pragma once

#include "app/PageServices.h"

#include <QWidget>

// The Binary Transfer tab: a file read into memory and sent to the printer unchanged.
class BinaryPage : public QWidget
{
    Q_OBJECT
public:
    explicit BinaryPage(PageServices services, QWidget *parent = nullptr);
    ~BinaryPage() override;

private:
    PageServices m_services;
};
