#include "interfaceoverview.h"

#include "ui_interfaceoverview.h"

#include <memory>

#include "host/contract/interfacesetuppagefactory.h"
#include "host/contract/setuppagemanager.h"
#include "host/contract/setuppageproperty.h"
#include "host/server/zelservermanager.h"

InterfaceOverview::InterfaceOverview(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::InterfaceOverview>())
{
    ui->setupUi(this);
    ui->pbTx->setVisible(false);
    ui->pbRx->setVisible(false);
}

InterfaceOverview::~InterfaceOverview()
{
    detach();
}

void InterfaceOverview::setup(const InterfaceSetupPageFactory *factory, zelServerManager *manager, int port)
{
    detach();
    ui->pbTx->setVisible(false);
    ui->pbRx->setVisible(false);
    if (!factory)
        return;
    const WidgetText texts = manager ? manager->texts() : WidgetText();
    for (const SetupPageProperty *record : factory->setupPageProperties()) {
        SetupPageManager *pageManager = record->pageManager();
        if (!pageManager)
            continue;
        QPushButton *button = nullptr;
        if (record->direction() == InterfaceSetupIdentifier::DirectionTx)
            button = ui->pbTx;
        else if (record->direction() == InterfaceSetupIdentifier::DirectionRx)
            button = ui->pbRx;
        if (!button || m_records.contains(record))
            continue;
        m_records.append(record);
        // The host's default label until the manager has its parameters.
        button->setText(texts.getTextOfKey(record->titleKey()));
        button->setVisible(true);
        disconnect(button, &QPushButton::clicked, this, nullptr);
        connect(button, &QPushButton::clicked, this, [this, record] { buttonClicked(record); });
        pageManager->setButton(button);
        pageManager->attach(manager, port);
    }
}

void InterfaceOverview::setPort(int port)
{
    for (const SetupPageProperty *record : qAsConst(m_records))
        record->pageManager()->setPort(port);
}

void InterfaceOverview::setTitles(const QString &tx, const QString &rx)
{
    ui->lblTx->setText(tx);
    ui->lblRx->setText(rx);
}

QPushButton *InterfaceOverview::txButton() const
{
    return ui->pbTx;
}

QPushButton *InterfaceOverview::rxButton() const
{
    return ui->pbRx;
}

void InterfaceOverview::buttonClicked(const SetupPageProperty *record)
{
    const InterfaceSetupIdentifier kind(record->pageId(), record->direction(), record->layer(), record->technology());
    std::unique_ptr<InterfaceSetupIdentifier> target(record->pageManager()->setupPage(kind));
    if (target && target->pageId() >= 0)
        emit pageRequested(target->pageId());
}

void InterfaceOverview::detach()
{
    for (const SetupPageProperty *record : qAsConst(m_records)) {
        record->pageManager()->attach(nullptr, 1);
        record->pageManager()->setButton(nullptr);
    }
    m_records.clear();
}
