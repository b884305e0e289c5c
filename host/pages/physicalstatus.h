#pragma once

#include "setupstatuspage.h"

namespace Ui {
class PhysicalStatus;
}

// Transceiver status of the port: the module in the cage, its wavelength and temperature, and the
// received and transmitted optical power per lane (four lanes on multi-lane modules, else one).
class ZELBASE_EXPORT PhysicalStatus : public SetupStatusPage
{
    Q_OBJECT
public:
    // Parameter ids within the page's group.
    enum ParameterId {
        TransceiverId = 8300,     // enum: the module found in the cage
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
    void setPort(int port) override;

    int group() const { return m_group; }
    // Lanes shown for the port's module type.
    int laneCount() const;

private:
    void showLanes();
    int sidOf(int id) const;

    Ui::PhysicalStatus *ui = nullptr;
    int m_group = 0;
};
