#include "uihelper_otnmsimdetection.h"

#include <iterator>

#include <QPushButton>

#include "apps/shared/sid.h"
#include "client/otn/components/uihelpers/odtudisplayname.h"
#include "client/otn/test_setup/otnmsimdetectiondialog.h"
#include "host/diagnostics/zeldiagnostics.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"

UiHelper_OtnMsimDetection::UiHelper_OtnMsimDetection(zelServerManager *manager, QPushButton *button, QWidget *first,
                                                     QWidget *second, int sid, int strategy)
    : UiHelper(manager), m_button(button), m_first(first), m_second(second)
{
    ConnectionStateChanged(true);
    setSID_QcmaParameter(sid, strategy);
}

UiHelper_OtnMsimDetection::~UiHelper_OtnMsimDetection()
{
    if (m_button)
        disconnect(m_button, &QPushButton::released, this, &UiHelper_OtnMsimDetection::slotreleased);
}

void UiHelper_OtnMsimDetection::ConnectionStateChanged(bool connected)
{
    if (!connected)
        return;
    if (m_button) {
        connect(m_button, &QPushButton::released, this, &UiHelper_OtnMsimDetection::slotreleased,
                Qt::UniqueConnection);
    }
    for (QWidget *widget : {static_cast<QWidget *>(m_button.data()), m_first.data(), m_second.data()})
        SetHelperWidgetActive(widget, true, false);
}

int UiHelper_OtnMsimDetection::levelOf(int id)
{
    return PID::indexIn(PID::Otn::MEASUREMENT::MSIM_DETECTION,
                        int(std::size(PID::Otn::MEASUREMENT::MSIM_DETECTION)), id);
}

void UiHelper_OtnMsimDetection::slotreleased()
{
    zelServerManager *manager = serverManager();
    if (!manager)
        return;
    const int sid = getSID();
    const int port = nsSID::portOf(sid);
    const int group = nsSID::groupOf(sid);
    int level = levelOf(nsSID::idOf(sid));
    if (level < 0) {
        ZEL_FATAL(QStringLiteral("Incorrect sid = %1 in UiHelper_OtnMsimDetection").arg(sid));
        level = 0;
    }
    auto cachedEnum = [&](int id) {
        const QcmaParameter *parameter = manager->cachedParameter(nsSID::build(port, group, id));
        return parameter && parameter->isDefined() ? parameter->getEnum() : 0;
    };
    // The dialog counts the stage's slots in the receive structure, which the frame setup page lends it
    // from its own record; a customised screen has none, so the binding reads it now.
    for (int field = 0; field < OtnMapping::fieldCount; ++field)
        m_mapping.setValue(field, cachedEnum(PID::Otn::RX::MAPPING[field]));

    const int stageField = OtnMapping::FieldStage0 + level;
    int mux = cachedEnum(PID::Otn::RX::MAPPING[stageField]);
    if (level == 1)
        mux = OtnMapping::convertMux2ToMux(mux);
    else if (level == 2)
        mux = OtnMapping::convertMux3ToMux(mux);

    OtnMsimDetectionDialog dialog(manager, port, nullptr, level, m_mapping);
    // Converted values are multiplex kinds, which the first stage's table names.
    const int namingId = PID::Otn::RX::MAPPING[OtnMapping::FieldStage0];
    dialog.setOdtuName(texts().getValueName(nsSID::build(port, group, namingId), mux, terminology()));
    dialog.setAccessState(guiAccessState());
    manager->executeQzelDialog(&dialog);
}
