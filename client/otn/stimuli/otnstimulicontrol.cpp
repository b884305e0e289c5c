#include "otnstimulicontrol.h"

#include <QLoggingCategory>

#include "apps/shared/sid.h"
#include "client/otn/components/clientinfo.h"
#include "host/otn/otnmodule.h"
#include "host/otn/otnpid.h"
#include "host/server/zelservermanager.h"
#include "otnstimuliwidgetfrequency.h"
#include "otnstimuliwidgetotn.h"

Q_LOGGING_CATEGORY(lcOtnStimuli, "otn.stimuli")

namespace {

using namespace PID::Otn::STIMULI;

struct PanelKind {
    int id;
    const char *className;
};

constexpr PanelKind panelKinds[] = {
    {ERROR_ALARM_PANEL, "OtnStimuliWidgetOtn"},
    {JUSTIFICATION_PANEL, "OtnStimuliWidgetJustification"},
    {FREQUENCY_PANEL, "OtnStimuliWidgetFrequency"},
    {LANE_SKEW_PANEL, "OtnStimuliWidgetLldSkew"},
};

const char *panelClassName(int id)
{
    for (const PanelKind &kind : panelKinds) {
        if (kind.id == id)
            return kind.className;
    }
    return "?";
}

// The panels this library builds; an id without one is left out of the registration and named in the log.
StimuliWidget *createPanel(int id, const ClientInfo &info)
{
    switch (id) {
    case ERROR_ALARM_PANEL:
        return new OtnStimuliWidgetOtn(info);
    case FREQUENCY_PANEL:
        return new OtnStimuliWidgetFrequency(info);
    default:
        return nullptr;
    }
}

} // namespace

void OtnStimuliControl::registerStimuli(zelServerManager *manager, int port, QList<Item> &items)
{
    const ClientInfo info{port, manager};
    for (int id : stimuliIds(manager, port)) {
        StimuliWidget *panel = createPanel(id, info);
        if (!panel) {
            qCInfo(lcOtnStimuli, "Port %d: stimuli panel %s (id %d) is not built; it is left out.", port,
                   panelClassName(id), id);
            continue;
        }
        items.append(Item{nsSID::otnSid(port, id), panel});
    }
}

QList<int> OtnStimuliControl::stimuliIds(zelServerManager *manager, int port)
{
    QList<int> ids{ERROR_ALARM_PANEL, JUSTIFICATION_PANEL, FREQUENCY_PANEL};
    if (manager && OtnModule::isMultiLane(manager->GetPortModuleType(port)))
        ids.append(LANE_SKEW_PANEL);
    return ids;
}
