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
