#include "otnstimulicontrol.h"

#include "apps/shared/sid.h"
#include "client/otn/components/clientinfo.h"
#include "host/server/zelservermanager.h"

namespace {

enum StimuliId { ErrorAlarm = 15, Justification = 16, Frequency = 17, LaneSkew = 19 };

bool isMultiLaneModule(int moduleType)
{
    return moduleType == 3 || moduleType == 4 || moduleType == 6;
}

// No OTN stimuli panel is in the library yet: every id answers null and is left out.
StimuliWidget *createPanel(int id, const ClientInfo &info)
{
    Q_UNUSED(id)
    Q_UNUSED(info)
    return nullptr;
}

} // namespace

void OtnStimuliControl::registerStimuli(zelServerManager *manager, int port, QList<Item> &items)
{
    const ClientInfo info{port, manager};
    for (int id : stimuliIds(manager, port)) {
        StimuliWidget *panel = createPanel(id, info);
        if (!panel)
            continue;
        items.append(Item{nsSID::build(port, nsSID::otn, id), panel});
    }
}

QList<int> OtnStimuliControl::stimuliIds(zelServerManager *manager, int port)
{
    QList<int> ids{ErrorAlarm, Justification, Frequency};
    if (manager && isMultiLaneModule(manager->GetPortModuleType(port)))
        ids.append(LaneSkew);
    return ids;
}
