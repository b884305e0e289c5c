#include "uihelper_otnoverhead.h"

#include <iterator>

#include <QPushButton>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/dialogs/otnohdialog.h"
#include "host/diagnostics/zeldiagnostics.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"

UiHelper_OtnOverhead::UiHelper_OtnOverhead(zelServerManager *manager, QPushButton *button, QWidget *first,
                                           QWidget *second, int sid, int strategy)
    : UiHelper(manager), m_button(button), m_first(first), m_second(second)
{
    ConnectionStateChanged(true);
    setSID_QcmaParameter(sid, strategy);
}

UiHelper_OtnOverhead::~UiHelper_OtnOverhead()
{
    if (m_button)
        disconnect(m_button, &QPushButton::released, this, &UiHelper_OtnOverhead::slotreleased);
}

void UiHelper_OtnOverhead::ConnectionStateChanged(bool connected)
{
    if (!connected)
        return;
    if (m_button) {
        connect(m_button, &QPushButton::released, this, &UiHelper_OtnOverhead::slotreleased,
                Qt::UniqueConnection);
    }
    for (QWidget *widget : {static_cast<QWidget *>(m_button.data()), m_first.data(), m_second.data()})
        SetHelperWidgetActive(widget, true, false);
}

int UiHelper_OtnOverhead::levelOf(int id)
{
    return PID::indexIn(PID::Otn::TX::OVERHEAD_SETUP, int(std::size(PID::Otn::TX::OVERHEAD_SETUP)), id);
}

void UiHelper_OtnOverhead::slotreleased()
{
    zelServerManager *manager = serverManager();
    if (!manager)
        return;
    const int sid = getSID();
    const int port = nsSID::portOf(sid);
    int level = levelOf(nsSID::idOf(sid));
    if (level < 0) {
        ZEL_FATAL(QStringLiteral("Incorrect sid = %1 in UiHelper_OtnOverhead").arg(sid));
        level = 0;
    }
    // The structure up to the second multiplex stage, as far as the tester holds it.
    OtnMapping mapping(0, 0, 0, 0, 0);
    for (int field = OtnMapping::FieldInterface; field <= OtnMapping::FieldStage1; ++field) {
        const int mappingSid = nsSID::build(port, nsSID::groupOf(sid), PID::Otn::TX::MAPPING[field]);
        if (const QcmaParameter *parameter = manager->cachedParameter(mappingSid))
            mapping.setValue(field, parameter->getEnum());
    }
    OtnOhDialog dialog(ClientInfo{port, manager}, level, QString(), m_button, mapping, 0);
    dialog.setAccessState(guiAccessState());
    manager->executeQzelDialog(&dialog);
}
