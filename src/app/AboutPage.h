#pragma once

#include "ui/PageServices.h"

#include <QWidget>

#include <memory>

class QLabel;

namespace Ui
{
class AboutPage;
}

// The About tab: name, version and the maker's links.
class AboutPage : public QWidget
{
    Q_OBJECT
public:
    explicit AboutPage(PageServices services, QWidget *parent = nullptr);
    ~AboutPage() override;

protected:
    // Labels have no click signal: their mouse releases, and the keys that
    // open a link reached with Tab, are watched here.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectControls();
    void openWebSite();
    void writeToSupport();

    PageServices m_services;
    std::unique_ptr<Ui::AboutPage> ui;
    // Labels the form names by number (Label31, Label29, Label30), here by
    // their part.
    QLabel *m_versionLabel = nullptr;
    QLabel *m_webSiteLink = nullptr;
    QLabel *m_supportEmailLink = nullptr;
};
