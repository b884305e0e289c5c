#pragma once

#include <memory>

#include "host/bindings/notifyinterface.h"
#include "setupstatuspage.h"

namespace Ui {
class PhysicalStatus;
}

// Transceiver status of the port: the module it uses, its wavelength and temperature, and the
// received and transmitted optical power per lane (four lanes on multi-lane modules, else one).
class ZELBASE_EXPORT PhysicalStatus : public SetupStatusPage, public NotifyInterface
{
    Q_OBJECT
public:
    // Parameter ids within the page's group.
    enum ParameterId {
        ModuleTypeId = 11143,     // enum: the transceiver the port uses (3, 4 and 6 are multi-lane)
        WavelengthId = 8301,      // double, nm
        TemperatureId = 8302,     // double, degrees Celsius
        RxPowerLane1Id = 8311,    // double, dBm; lanes 2-4 follow
        TxPowerLane1Id = 8321     // double, dBm; lanes 2-4 follow
    };
    static constexpr int maxLanes = 4;

    PhysicalStatus(const Identifier &identifier, zelServerManager *manager, int flags, int group,
                   const QString &helpPage, QWidget *parent = nullptr);
    ~PhysicalStatus() override;

    void initializeUi() override;
    void initializeHelper() override;
    void qcmaParameterChanged(const QcmaParameter &parameter) override;

    int group() const { return m_group; }
    // Lanes shown for the module type.
    static int laneCount(int moduleType);

private:
    void showLanes(int count);

    std::unique_ptr<Ui::PhysicalStatus> ui;
    int m_group = 0;
};
