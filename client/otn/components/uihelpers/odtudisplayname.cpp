#include "odtudisplayname.h"

#include "apps/shared/sid.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnpid.h"
#include "host/texts/widgettext.h"

QString odtuDisplayName(const WidgetText &texts, int port, const OtnMapping &mapping, int stage)
{
    if (mapping.getOduCount() < 2 || stage < 0 || stage >= OtnMapping::maxStages)
        return QString();
    const int value = mapping.value(OtnMapping::FieldStage0 + stage);
    const int sid = nsSID::otnSid(port, PID::Otn::TX::MAPPING[stage + 2]);
    QString name = texts.getValueName(sid, value, 0);
    name.remove(QStringLiteral("(ODU2)"));
    name.remove(QStringLiteral("(Ext. OPU2)"));
    name.remove(QStringLiteral("(ODU2e)"));
    return name;
}
