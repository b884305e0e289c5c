#include "otnframesetuppagetx.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/dialogs/otntxchdialog.h"
#include "host/otn/otnsettings.h"
#include "host/server/zelservermanager.h"
#include "host/bindings/uihelper_setter.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"

namespace {
constexpr int fecControlId = 11012;
constexpr int ttiEncodingId = 13001;
constexpr int otlcSliceId = 11204;
} // namespace

OtnFrameSetupPageTx::OtnFrameSetupPageTx(const Identifier &identifier, zelServerManager *manager, int flags)
    : OtnFrameSetupPageBase(identifier, manager, flags, 0, QStringLiteral("otn_tx_parameters.html"))
{
}

OtnFrameSetupPageTx::~OtnFrameSetupPageTx() = default;

void OtnFrameSetupPageTx::initializeHelper()
{
    addMappingBindings(fecControlId);
    for (int stage = 0; stage < OtnMapping::maxStages; ++stage) {
        QLayoutItem *dummyCh = m_odtuStages[stage].dummyCh;
        auto *combo = qobject_cast<QComboBox *>(
            findChildInLayout(dummyCh, QStringLiteral("cmbLv%1DummyCh").arg(stage + 1)));
        auto *label = qobject_cast<QLabel *>(
            findChildInLayout(dummyCh, QStringLiteral("lblLv%1DummyCh").arg(stage + 1)));
        addCombo(combo, label, PID::Otn::TX::TX_COPY[stage]);
        m_txCopySetters[stage] = addSetter(PID::Otn::TX::TX_COPY[stage]);
        addTpTsSetters(stage, PID::Otn::TX::MAIN_TP, PID::Otn::TX::NUMBER_OF_TS);
    }
    addCombo(formWidget<QComboBox>(QStringLiteral("cmbTtiEncoding")),
             formWidget<QLabel>(QStringLiteral("lblTtiEncoding")), ttiEncodingId);

    for (int level = 0; level < OtnMapping::maxLevels; ++level) {
        auto *button = formWidget<QPushButton>(QStringLiteral("pbLv%1Oh").arg(level + 1));
        if (!button)
            continue;
        m_ohMapper.setMapping(button, level);
        connect(button, &QPushButton::clicked, &m_ohMapper, QOverload<>::of(&QSignalMapper::map),
                Qt::UniqueConnection);
    }
    connect(&m_ohMapper, &QSignalMapper::mappedInt, this, &OtnFrameSetupPageTx::clickedOh, Qt::UniqueConnection);

    m_otlcSliceSetter = addSetter(otlcSliceId);
}

void OtnFrameSetupPageTx::SetGUIAccessState(int state)
{
    if (!isPageInitialized())
        return;
    OtnFrameSetupPageBase::SetGUIAccessState(state);
    if (auto *gfp = formWidget<QPushButton>(QStringLiteral("pbGfpT")))
        gfp->setEnabled(state == 0);
}

void OtnFrameSetupPageTx::qcmaParameterChanged(const QcmaParameter &parameter)
{
    const int id = nsSID::idOf(parameter.getSID());
    switch (id) {
    case 11008:
    case 11009:
    case 11010:
    case 11011:
    case 11166:
        reloadMapping();
        break;
    case 11128:
    case 11132:
    case 11201: {
        const int stage = stageOfPid(PID::Otn::TX::MAIN_TP, id);
        if (stage >= 0)
            txTpTsParametersChanged(stage);
        break;
    }
    case 11131:
    case 11200:
        // A miss (-1) names no multiplexed level and changes nothing.
        updateOduLevel(tsStageOfPid(PID::Otn::TX::NUMBER_OF_TS, id) + 1);
        break;
    case otlcSliceId:
        m_otlcSliceNumber = parameter.getEnum();
        break;
    default:
        break;
    }
}

int OtnFrameSetupPageTx::stageOfPid(const int *table, int pid)
{
    return findStage(table, OtnMapping::maxStages, pid, __FILE__, __LINE__);
}

int OtnFrameSetupPageTx::tsStageOfPid(const int *table, int pid)
{
    return findStage(table, OtnMapping::maxStages - 1, pid, __FILE__, __LINE__);
}

void OtnFrameSetupPageTx::txTpTsParametersChanged(int stage)
{
    const UiHelper_Setter *tp = m_tpSetters[stage];
    if (!tp || !tp->QcmaParameter_Get())
        return;
    const QString text = QStringLiteral("TP #") + QString::number(tp->QcmaParameter_Get()->getUInt());
    setChButtonTextIfCurrent(odtuLabel(stage), chButton(stage), m_odtuNames.value(stage), text);
}

void OtnFrameSetupPageTx::openChDialog(int stage, const QString &odtuName)
{
    if (stage < 0 || stage >= OtnMapping::maxStages)
        return;
    int copyStatus = nsSettings::Otn::COPY_MAIN;
    if (m_txCopySetters[stage] && m_txCopySetters[stage]->QcmaParameter_Get())
        copyStatus = m_txCopySetters[stage]->QcmaParameter_Get()->getEnum();
    OtnTxChDialog dialog(serverManager(), m_port, this, stage, m_mapping, copyStatus);
    runChDialog(dialog, odtuName);
}

void OtnFrameSetupPageTx::clickedOh(int level)
{
    // OtnOhDialog for this level (on its pbLv<n>Oh, with the kept OTL slice number) opens here once it exists.
    Q_UNUSED(level)
}
