#pragma once

#include "app/PageServices.h"

#include <QWidget>

// The Data Storage tab: graphics and label formats stored in the printer, recall, delete and list.
class StoragePage : public QWidget
{
    Q_OBJECT
public:
    explicit StoragePage(PageServices services, QWidget *parent = nullptr);
    ~StoragePage() override;

private:
    PageServices m_services;
};
