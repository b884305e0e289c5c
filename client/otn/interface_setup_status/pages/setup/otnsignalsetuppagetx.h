#pragma once

#include <memory>

#include <QHash>

#include "otnsetuppage.h"

namespace Ui { class OtnSignalSetupPageTx; }

class ClockConfigurationWidget;
class OutputSignalSetupWidget;
class PhysicalStatusMiniWidget;
class QPushButton;
class QcmaParameterEnum;

// The transmitter's physical-layer setup: port mode, clock, optical output, module type and lane mapping.
class ZELOTN_EXPORT OtnSignalSetupPageTx : public OtnSetupPage
{
    Q_OBJECT
public:
    OtnSignalSetupPageTx(const Identifier &identifier, zelServerManager *manager, int flags);
    ~OtnSignalSetupPageTx() override;

    void initializeUi() override;
    void initializeHelper() override;
    void UpdateText() override;
    void setPort(int port) override;
    void SetGUIAccessState(int state) override;
    void reinitialize() override;

    void qcmaParameterChanged(const QcmaParameter &parameter) override;

    // Logical lanes of the configured interface; 0 when it is not a multi-lane interface.
    int laneCount() const { return m_laneCount; }

    // Hides every module button, then shows the buttons of the parameter's active enumerators.
    static void showActiveModuleButtons(const QHash<int, QPushButton *> &buttons, const QcmaParameterEnum &parameter);

private slots:
    void multiLaneClicked();

private:
    std::unique_ptr<Ui::OtnSignalSetupPageTx> ui;
    int m_laneCount = 0;
    ClockConfigurationWidget *m_clockConfiguration = nullptr;
    OutputSignalSetupWidget *m_outputSignalSetup = nullptr;
    PhysicalStatusMiniWidget *m_physicalStatus = nullptr;
    QHash<int, QPushButton *> m_moduleButtons;   // by module-type value
};
