#include "otnframesetuppagerx.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/dialogs/otnrxchdialog.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelper_setter.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnpid.h"
#include "host/otn/otntpts.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "host/texts/widgettext.h"

namespace {
constexpr int extraSetterId = 12018;
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
    UiHelperList *list = uiHelperList();
    zelServerManager *manager = serverManager();
    const auto sid = [this](int id) { return nsSID::build(m_port, nsSID::otn, id); };
    const auto addSetter = [&](int id) {
        auto *setter = new UiHelper_Setter(manager, this, sid(id), UiHelper::ConnectManually);
        list->AddUiHelper(setter);
        return setter;
    };
    const auto addCombo = [&](const QString &combo, const QString &label, int id) {
        list->AddUiHelper(new UiHelper_Enum_ComboBox(manager, formWidget<QComboBox>(combo), formWidget<QLabel>(label),
                                                     nullptr, nullptr, sid(id), UiHelper::ConnectManually));
    };

    m_extraSetter = addSetter(extraSetterId);
    for (int field = 0; field < OtnMapping::fieldCount; ++field)
        m_mappingSetters[field] = addSetter(mappingId(field));
    addCombo(QStringLiteral("cmbFecControl"), QStringLiteral("lblFecControl"), fecControlId);
    for (int stage = 0; stage < OtnMapping::maxStages; ++stage) {
        m_tpSetters[stage] = addSetter(PID::Otn::RX::MAIN_TP[stage]);
        if (stage < 2)
            m_tsCountSetters[stage] = addSetter(PID::Otn::RX::NUMBER_OF_TS[stage]);
        m_detModeSetters[stage] = addSetter(PID::Otn::RX::DET_MODE[stage]);
    }
    addCombo(QStringLiteral("cmbTcm"), QStringLiteral("lblTcm"), tcmId);
    m_ttiDetectionSetter = addSetter(ttiDetectionEnableId);
}

void OtnFrameSetupPageRx::UpdateText()
{
    if (isPageInitialized()) {
        if (auto *label = formWidget<QLabel>(QStringLiteral("lblSignal")))
            label->setText(WidgetText::instance()->getUiText(4188, 0));
        for (int stage = 0; stage < OtnMapping::maxStages; ++stage) {
            const QPushButton *button = chButton(stage);
            if (button && button->isVisibleTo(this))
                updateRxChText(stage);
        }
    }
    OtnFrameSetupPageBase::UpdateText();
}

void OtnFrameSetupPageRx::reinitialize()
{
    if (!isPageInitialized())
        return;
    uiHelperList()->Clear(true);
    initializeHelper();
    connectHelper();
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
        if (stage >= 0)
            updateRxChText(stage);
        break;
    }
    case 12011:
    case 12015:
    case 12026: {
        const int stage = stageOfPid(PID::Otn::RX::DET_MODE, id);
        if (stage >= 0)
            updateRxChText(stage);
        break;
    }
    case 12012:
    case 12016:
    case 12024: {
        const int stage = stageOfPid(PID::Otn::RX::MAIN_TP, id);
        if (stage >= 0)
            updateRxChText(stage);
        break;
    }
    case 12014:
    case 12023: {
        const int stage = tsStageOfPid(PID::Otn::RX::NUMBER_OF_TS, id);
        if (stage >= 0)
            updateOduLevel(stage + 1);
        break;
    }
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
    int level = 0;
    while (level < 3 && table[level] != pid)
        ++level;
    ZEL_ASSERT_TEXT(level < 3, "(level < 3)", QStringLiteral("pid=0x%1 is not found.").arg(pid, 0, 16));
    return level < 3 ? level : -1;
}

int OtnFrameSetupPageRx::tsStageOfPid(const int *table, int pid)
{
    int level = 0;
    while (level < (3 - 1) && table[level] != pid)
        ++level;
    ZEL_ASSERT_TEXT(level < (3 - 1), "(level < (3-1))", QStringLiteral("pid=0x%1 is not found.").arg(pid, 0, 16));
    return level < (3 - 1) ? level : -1;
}

void OtnFrameSetupPageRx::updateRxChText(int stage)
{
    const UiHelper_Setter *detMode = m_detModeSetters[stage];
    const UiHelper_Setter *tp = m_tpSetters[stage];
    const int mode = (detMode && detMode->QcmaParameter_Get()) ? detMode->QcmaParameter_Get()->getEnum() : 0;
    const uint tpNumber = (tp && tp->QcmaParameter_Get()) ? tp->QcmaParameter_Get()->getUInt() : 0;
    QString text;
    if (mode != 1 && OtnTpTs::getTpTsInfo(stage, m_mapping, 0).autoDetection != 0)
        text = WidgetText::instance()->getUiText(5106, 0);
    else
        text = QStringLiteral("TP #") + QString::number(tpNumber);
    setChButtonTextIfCurrent(odtuLabel(stage), chButton(stage), m_odtuNames.value(stage), text);
}

void OtnFrameSetupPageRx::openChDialog(int stage, const QString &odtuName)
{
    if (stage < 0 || stage >= OtnMapping::maxStages)
        return;
    auto *dialog = new OtnRxChDialog(serverManager(), m_port, this, stage, m_mapping);
    dialog->setAccessState(serverManager()->getGUIAccessState());
    dialog->setOdtuName(odtuName);
    serverManager()->executeQzelDialog(dialog);
    delete dialog;
}
