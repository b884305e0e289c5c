#include "otnframesetuppagetx.h"

#include <memory>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/dialogs/otnohdialog.h"
#include "client/otn/interface_setup_status/dialogs/otntxchdialog.h"
#include "host/bindings/uihelper_setter.h"
#include "host/otn/otnpid.h"
#include "host/otn/otnsettings.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"

OtnFrameSetupPageTx::OtnFrameSetupPageTx(const Identifier &identifier, zelServerManager *manager, int flags)
    : OtnFrameSetupPageBase(identifier, manager, flags, 0, QStringLiteral("otn_tx_parameters.html"), __FILE__)
{
}

OtnFrameSetupPageTx::~OtnFrameSetupPageTx() = default;

void OtnFrameSetupPageTx::initializeHelper()
{
    addMappingBindings(PID::Otn::TX::FEC_CONTROL);
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
             formWidget<QLabel>(QStringLiteral("lblTtiEncoding")), PID::Otn::TX::TTI_ENCODING);

    for (int level = 0; level < OtnMapping::maxLevels; ++level) {
        auto *button = formWidget<QPushButton>(QStringLiteral("pbLv%1Oh").arg(level + 1));
        if (!button)
            continue;
        m_ohMapper.setMapping(button, level);
        connect(button, &QPushButton::clicked, &m_ohMapper, QOverload<>::of(&QSignalMapper::map),
                Qt::UniqueConnection);
    }
    connect(&m_ohMapper, &QSignalMapper::mappedInt, this, &OtnFrameSetupPageTx::clickedOh, Qt::UniqueConnection);

    m_otlcSliceSetter = addSetter(PID::Otn::TX::OTLC_SLICE_NUMBER);
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
    using namespace PID::Otn;
    const int id = nsSID::idOf(parameter.getSID());
    if (PID::indexIn(TX::MAPPING, OtnMapping::fieldCount, id) >= 0) {
        reloadMapping();
    } else if (PID::indexIn(TX::MAIN_TP, OtnMapping::maxStages, id) >= 0) {
        txTpTsParametersChanged(stageOfPid(TX::MAIN_TP, id));
    } else if (PID::indexIn(TX::NUMBER_OF_TS, OtnMapping::maxStages - 1, id) >= 0) {
        updateOduLevel(tsStageOfPid(TX::NUMBER_OF_TS, id) + 1);
    } else if (id == TX::OTLC_SLICE_NUMBER) {
        m_otlcSliceNumber = parameter.getEnum();
    }
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
    if (level < 0 || level >= OtnMapping::maxLevels || !serverManager())
        return;
    auto *button = qobject_cast<QPushButton *>(
        findChildInLayout(m_oduLevels[level].oh, QStringLiteral("pbLv%1Oh").arg(level + 1)));
    if (!button)
        return;
    auto dialog = std::make_unique<OtnOhDialog>(ClientInfo{m_port, serverManager()}, level, m_oduNames.value(level),
                                                button, m_mapping, m_otlcSliceNumber);
    dialog->setAccessState(serverManager()->getGUIAccessState());
    uiEditDialog_open(std::move(dialog));
}
