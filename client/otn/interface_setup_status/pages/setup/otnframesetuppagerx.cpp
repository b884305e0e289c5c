#include "otnframesetuppagerx.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/dialogs/otnrxchdialog.h"
#include "host/bindings/uihelper_setter.h"
#include "host/otn/otnpid.h"
#include "host/otn/otntpts.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "host/texts/widgettext.h"

OtnFrameSetupPageRx::OtnFrameSetupPageRx(const Identifier &identifier, zelServerManager *manager, int flags)
    : OtnFrameSetupPageBase(identifier, manager, flags, 1, QStringLiteral("otn_rx_parameters.html"), __FILE__)
{
}

OtnFrameSetupPageRx::~OtnFrameSetupPageRx() = default;

void OtnFrameSetupPageRx::initializeHelper()
{
    addMappingBindings(PID::Otn::RX::FEC_CONTROL);
    for (int stage = 0; stage < OtnMapping::maxStages; ++stage) {
        addTpTsSetters(stage, PID::Otn::RX::MAIN_TP, PID::Otn::RX::NUMBER_OF_TS);
        m_detModeSetters[stage] = addSetter(PID::Otn::RX::DET_MODE[stage]);
    }
    addCombo(formWidget<QComboBox>(QStringLiteral("cmbTcm")), formWidget<QLabel>(QStringLiteral("lblTcm")),
             PID::Otn::RX::TCM);
    m_ttiDetectionSetter = addSetter(PID::Otn::RX::TTI_DETECTION_ENABLE);
}

void OtnFrameSetupPageRx::UpdateText()
{
    if (isPageInitialized()) {
        for (int stage = 0; stage < OtnMapping::maxStages; ++stage) {
            const QPushButton *button = chButton(stage);
            if (button && button->isVisibleTo(this))
                updateRxChText(stage);
        }
    }
    OtnFrameSetupPageBase::UpdateText();
}

void OtnFrameSetupPageRx::qcmaParameterChanged(const QcmaParameter &parameter)
{
    using namespace PID::Otn;
    const int id = nsSID::idOf(parameter.getSID());
    // The mapping table holds the interface and the client signal, then the three stages.
    const int *stageMapping = RX::MAPPING + OtnMapping::FieldStage0;
    if (PID::indexIn(RX::MAPPING, OtnMapping::FieldStage0, id) >= 0) {
        reloadMapping();
    } else if (PID::indexIn(stageMapping, OtnMapping::maxStages, id) >= 0) {
        const int stage = stageOfPid(stageMapping, id);
        reloadMapping();
        updateRxChText(stage);
    } else if (PID::indexIn(RX::DET_MODE, OtnMapping::maxStages, id) >= 0) {
        updateRxChText(stageOfPid(RX::DET_MODE, id));
    } else if (PID::indexIn(RX::MAIN_TP, OtnMapping::maxStages, id) >= 0) {
        updateRxChText(stageOfPid(RX::MAIN_TP, id));
    } else if (PID::indexIn(RX::NUMBER_OF_TS, OtnMapping::maxStages - 1, id) >= 0) {
        updateOduLevel(tsStageOfPid(RX::NUMBER_OF_TS, id) + 1);
    } else if (id == RX::TTI_DETECTION_ENABLE) {
        // An OTL lane interface with this setting leaves nothing to detect per lane.
        const int access = serverManager() ? serverManager()->getGUIAccessState() : 0;
        const bool locked = m_mapping.isOTLC() && parameter.getEnum() == 1;
        if (auto *button = formWidget<QPushButton>(QStringLiteral("pbTtiDetection")))
            button->setEnabled(!locked && access == 0);
    }
}

void OtnFrameSetupPageRx::updateRxChText(int stage)
{
    // A stage lookup that missed (-1) has nothing to show.
    if (stage < 0 || stage >= OtnMapping::maxStages)
        return;
    const UiHelper_Setter *detMode = m_detModeSetters[stage];
    const UiHelper_Setter *tp = m_tpSetters[stage];
    const int mode = (detMode && detMode->QcmaParameter_Get()) ? detMode->QcmaParameter_Get()->getEnum() : 0;
    const uint tpNumber = (tp && tp->QcmaParameter_Get()) ? tp->QcmaParameter_Get()->getUInt() : 0;
    QString text;
    if (mode != 1 && OtnTpTs::getTpTsInfo(stage, m_mapping, 0).autoDetection != 0)
        text = texts().getUiText(5106, 0);
    else
        text = QStringLiteral("TP #") + QString::number(tpNumber);
    setChButtonTextIfCurrent(odtuLabel(stage), chButton(stage), m_odtuNames.value(stage), text);
}

void OtnFrameSetupPageRx::openChDialog(int stage, const QString &odtuName)
{
    if (stage < 0 || stage >= OtnMapping::maxStages)
        return;
    OtnRxChDialog dialog(serverManager(), m_port, this, stage, m_mapping);
    runChDialog(dialog, odtuName);
}
