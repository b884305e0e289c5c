#pragma once

#include <memory>

#include "client/otn/components/clientinfo.h"
#include "client/otn/otnexport.h"
#include "host/bindings/notifyinterface.h"
#include "host/pages/samplestates.h"
#include "host/pages/stimuliwidget.h"

namespace Ui {
class OtnStimuliWidgetLldSkew;
}

class MultiLaneWidget;

// Lane skew of a multi-lane signal: a delay in bits (also shown in ns) on chosen logical or physical
// lanes. Every setId binds it anew to the port and group of the SID.
class ZELOTN_EXPORT OtnStimuliWidgetLldSkew : public StimuliWidget, public NotifyInterface, public SampleStates
{
    Q_OBJECT
public:
    explicit OtnStimuliWidgetLldSkew(const ClientInfo &client, QWidget *parent = nullptr);
    ~OtnStimuliWidgetLldSkew() override;

    void setId(int sid) override;
    void qcmaParameterChanged(const QcmaParameter &parameter) override;

    int group() const { return m_group; }

    // One state per lane type: the skew on logical, then on physical lanes.
    QStringList sampleStateNames() const override;
    bool stepToSampleState(int index) override;

protected:
    // Builds the bindings on the panel's port and group, in place of the earlier ones.
    void addUi();
    void changeSkewLaneWidget(int value);

private:
    MultiLaneWidget *addLaneWidget(QWidget *container, const QString &name);
    int sid(int id) const;

    ClientInfo m_clientInfo;
    std::unique_ptr<Ui::OtnStimuliWidgetLldSkew> ui;
    MultiLaneWidget *m_logicalLanes = nullptr;
    MultiLaneWidget *m_physicalLanes = nullptr;
    int m_group = 0;
    int m_laneType = 0;
};
