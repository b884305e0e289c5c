#pragma once

#include <memory>

#include <QHash>

#include "otnsetuppage.h"

namespace Ui { class OtnSignalSetupPageRx; }

class PhysicalStatusMiniWidget;
class QPushButton;

// The receiver's physical-layer setup: the receiving module, next to a compact physical status.
class ZELOTN_EXPORT OtnSignalSetupPageRx : public OtnSetupPage
{
    Q_OBJECT
public:
    OtnSignalSetupPageRx(const Identifier &identifier, zelServerManager *manager, int flags);
    ~OtnSignalSetupPageRx() override;

    void initializeUi() override;
    void initializeHelper() override;
    void UpdateText() override;
    void setPort(int port) override;
    void reinitialize() override;

    void qcmaParameterChanged(const QcmaParameter &parameter) override;

private:
    std::unique_ptr<Ui::OtnSignalSetupPageRx> ui;
    PhysicalStatusMiniWidget *m_physicalStatus = nullptr;
    QHash<int, QPushButton *> m_moduleButtons;   // by module-type value
};
