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

namespace {
constexpr int fecControlId = 12010;
constexpr int tcmId = 13002;
constexpr int ttiDetectionEnableId = 12028;
} // namespace

OtnFrameSetupPageRx::OtnFrameSetupPageRx(const Identifier &identifier, zelServerManager *manager, int flags)
    : OtnFrameSetupPageBase(identifier, manager, flags, 1, QStringLiteral("otn_rx_parameters.html"))
{
}

OtnFrameSetupPageRx::~OtnFrameSetupPageRx() = default;

void OtnFrameSetupPageRx::initializeHelper()
{
    addMappingBindings(fecControlId);
    for (int stage = 0; stage < OtnMapping::maxStages; ++stage) {
        addTpTsSetters(stage, PID::Otn::RX::MAIN_TP, PID::Otn::RX::NUMBER_OF_TS);
        m_detModeSetters[stage] = addSetter(PID::Otn::RX::DET_MODE[stage]);
    }
    addCombo(formWidget<QComboBox>(QStringLiteral("cmbTcm")), formWidget<QLabel>(QStringLiteral("lblTcm")), tcmId);
    m_ttiDetectionSetter = addSetter(ttiDetectionEnableId);
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
    const int id = nsSID::idOf(parameter.getSID());
    switch (id) {
    case 12006:
    case 12007:
        reloadMapping();
        break;
    case 12008:
    case 12009:
    case 12022: {
        const int stage = stageOfPid(PID::Otn::RX::MAPPING + 2, id);
        reloadMapping();
        updateRxChText(stage);
        break;
    }
    case 12011:
    case 12015:
    case 12026:
        updateRxChText(stageOfPid(PID::Otn::RX::DET_MODE, id));
        break;
    case 12012:
    case 12016:
    case 12024:
        updateRxChText(stageOfPid(PID::Otn::RX::MAIN_TP, id));
        break;
    case 12014:
    case 12023:
        // A miss (-1) names no multiplexed level and changes nothing.
        updateOduLevel(tsStageOfPid(PID::Otn::RX::NUMBER_OF_TS, id) + 1);
        break;
    case ttiDetectionEnableId: {
        // An OTL lane interface with this setting leaves nothing to detect per lane.
        const int access = serverManager() ? serverManager()->getGUIAccessState() : 0;
        const bool locked = m_mapping.isOTLC() && parameter.getEnum() == 1;
        if (auto *button = formWidget<QPushButton>(QStringLiteral("pbTtiDetection")))
            button->setEnabled(!locked && access == 0);
        break;
    }
    default:
        break;
    }
}

int OtnFrameSetupPageRx::stageOfPid(const int *table, int pid)
{
    return findStage(table, OtnMapping::maxStages, pid, __FILE__, __LINE__);
}

int OtnFrameSetupPageRx::tsStageOfPid(const int *table, int pid)
{
    return findStage(table, OtnMapping::maxStages - 1, pid, __FILE__, __LINE__);
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
