#include "uihelper_status.h"

#include <QLabel>

#include "host/parameters/qcmaparameter.h"
#include "host/widgets/portstatusitem.h"

StatusJudge::~StatusJudge() = default;

UiHelper_Status::UiHelper_Status(zelServerManager *manager, PortStatusItem *led, QLabel *nameLabel, int sid,
                                 int strategy, const StatusJudge *judge)
    : UiHelper(manager), m_led(led), m_nameLabel(nameLabel), m_judge(judge)
{
    SetHelperWidgetActive(m_nameLabel, true, false);
    setSID_QcmaParameter(sid, strategy);
    UpdateText();
    UpdateActiveWidgets();
}

StatusJudge::State UiHelper_Status::defaultJudge(const QcmaParameter &parameter)
{
    if (!parameter.isDefined())
        return StatusJudge::StateOff;
    switch (parameter.getType()) {
    case QcmaParameter::TypeInt:
    case QcmaParameter::TypeEnum:
    case QcmaParameter::TypeUInt:
        break;
    default:
        return StatusJudge::StateOff;   // not a status value
    }
    switch (parameter.getUInt()) {
    case 0:
        return StatusJudge::StateOk;
    case 1:
        return StatusJudge::StateAlarm;
    case 2:
        return StatusJudge::StateHistory;
    default:
        return StatusJudge::StateOff;   // no status the LED knows
    }
}

void UiHelper_Status::QcmaParameter_Changed(QcmaParameter &parameter)
{
    if (!m_led)
        return;
    const StatusJudge::State state = m_judge ? m_judge->judge(parameter) : defaultJudge(parameter);
    m_led->setState(PortStatusItem::State(state));
}

void UiHelper_Status::UpdateText()
{
    if (m_nameLabel)
        m_nameLabel->setText(GetText_Name());
}
