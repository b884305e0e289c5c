#pragma once

#include <memory>

#include <QList>
#include <QWidget>

class InterfaceSetupPageFactory;
class QPushButton;
class SetupPageProperty;
class zelServerManager;

namespace Ui {
class InterfaceOverview;
}

// The interface at a glance: one navigation button per direction, labelled by the plug-in's setup
// page manager with the configured structure, opening the page the manager names.
class InterfaceOverview : public QWidget
{
    Q_OBJECT
public:
    explicit InterfaceOverview(QWidget *parent = nullptr);
    ~InterfaceOverview() override;

    void setup(const InterfaceSetupPageFactory *factory, zelServerManager *manager, int port);
    void setPort(int port);
    void setTitles(const QString &tx, const QString &rx);

    QPushButton *txButton() const;
    QPushButton *rxButton() const;

signals:
    void pageRequested(int pageId);

private:
    void buttonClicked(const SetupPageProperty *record);
    void detach();

    std::unique_ptr<Ui::InterfaceOverview> ui;
    QList<const SetupPageProperty *> m_records;
};
