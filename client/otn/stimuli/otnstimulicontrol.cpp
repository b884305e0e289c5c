#include "otnstimulicontrol.h"

#include "apps/shared/sid.h"
#include "client/otn/components/clientinfo.h"
#include "host/diagnostics/zeldiagnostics.h"
#include "host/otn/otnmodule.h"
#include "host/otn/otnpid.h"
#include "host/server/zelservermanager.h"
#include "otnstimuliwidgetfrequency.h"
#include "otnstimuliwidgetjustification.h"
#include "otnstimuliwidgetlldskew.h"
#include "otnstimuliwidgetotn.h"

namespace {

StimuliWidget *createPanel(int id, const ClientInfo &info)
{
    using namespace PID::Otn::STIMULI;
    switch (id) {
    case ERROR_ALARM_PANEL:
        return new OtnStimuliWidgetOtn(info);
    case JUSTIFICATION_PANEL:
        return new OtnStimuliWidgetJustification(info);
    case FREQUENCY_PANEL:
        return new OtnStimuliWidgetFrequency(info);
    case LANE_SKEW_PANEL:
        return new OtnStimuliWidgetLldSkew(info);
    default:
        ZEL_FATAL(QStringLiteral("No stimuli panel of id %1").arg(id));
        return nullptr;
    }
}

} // namespace

void OtnStimuliControl::registerStimuli(zelServerManager *manager, int port, QList<Item> &items)
{
    const ClientInfo info{port, manager};
    for (int id : stimuliIds(manager, port)) {
        if (StimuliWidget *panel = createPanel(id, info))
            items.append(Item{nsSID::otnSid(port, id), panel});
    }
}

QList<int> OtnStimuliControl::stimuliIds(zelServerManager *manager, int port)
{
    using namespace PID::Otn::STIMULI;
    QList<int> ids{ERROR_ALARM_PANEL, JUSTIFICATION_PANEL, FREQUENCY_PANEL};
    if (manager && OtnModule::isMultiLane(manager->GetPortModuleType(port)))
        ids.append(LANE_SKEW_PANEL);
    return ids;
}
