#include "statustypejudge.h"

#include "host/bindings/uihelper_status.h"
#include "host/parameters/qcmaparameter.h"

StatusJudge::State StatusTypeJudge::judge(const QcmaParameter &parameter) const
{
    if (!parameter.isDefined())
        return StateOff;
    switch (m_type) {
    case StatusItem::StatusMode:
        // A port switched off is not an alarm, only inactive.
        return parameter.getInt() == 0 ? StateOff : StateOk;
    case StatusItem::StatusLevel:
        return parameter.getDouble() >= minimumLevel ? StateOk : StateAlarm;
    case StatusItem::StatusAlarm:
        break;
    }
    return UiHelper_Status::defaultJudge(parameter);
}
