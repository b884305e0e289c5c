#include "otnframesetuppagetx.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/dialogs/otntxchdialog.h"
#include "host/otn/otnsettings.h"
#include "host/server/zelservermanager.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelper_setter.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/texts/widgettext.h"

namespace {
constexpr int extraSetterId = 12018;
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
    UiHelperList *list = uiHelperList();
    zelServerManager *manager = serverManager();
    const auto sid = [this](int id) { return nsSID::build(m_port, nsSID::otn, id); };
    const auto addSetter = [&](int id) {
        auto *setter = new UiHelper_Setter(manager, this, sid(id), UiHelper::ConnectManually);
        list->AddUiHelper(setter);
        return setter;
    };
    const auto addCombo = [&](QComboBox *combo, QLabel *label, int id) {
        list->AddUiHelper(new UiHelper_Enum_ComboBox(manager, combo, label, nullptr, nullptr, sid(id),
                                                     UiHelper::ConnectManually));
    };

    m_extraSetter = addSetter(extraSetterId);
    for (int field = 0; field < OtnMapping::fieldCount; ++field)
        m_mappingSetters[field] = addSetter(mappingId(field));
    addCombo(formWidget<QComboBox>(QStringLiteral("cmbFecControl")), formWidget<QLabel>(QStringLiteral("lblFecControl")),
             fecControlId);
    for (int stage = 0; stage < OtnMapping::maxStages; ++stage) {
        QLayoutItem *dummyCh = m_odtuStages[stage].dummyCh;
        auto *combo = qobject_cast<QComboBox *>(
            findChildInLayout(dummyCh, QStringLiteral("cmbLv%1DummyCh").arg(stage + 1)));
        auto *label = qobject_cast<QLabel *>(
            findChildInLayout(dummyCh, QStringLiteral("lblLv%1DummyCh").arg(stage + 1)));
        addCombo(combo, label, PID::Otn::TX::TX_COPY[stage]);
        m_txCopySetters[stage] = addSetter(PID::Otn::TX::TX_COPY[stage]);
        m_tpSetters[stage] = addSetter(PID::Otn::TX::MAIN_TP[stage]);
        if (stage < 2)
            m_tsCountSetters[stage] = addSetter(PID::Otn::TX::NUMBER_OF_TS[stage]);
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

void OtnFrameSetupPageTx::UpdateText()
{
    if (isPageInitialized()) {
        if (auto *label = formWidget<QLabel>(QStringLiteral("lblSignal")))
            label->setText(WidgetText::instance()->getUiText(4187, 0));
    }
    OtnFrameSetupPageBase::UpdateText();
}

void OtnFrameSetupPageTx::SetGUIAccessState(int state)
{
    if (!isPageInitialized())
        return;
    OtnFrameSetupPageBase::SetGUIAccessState(state);
    if (auto *gfp = formWidget<QPushButton>(QStringLiteral("pbGfpT")))
        gfp->setEnabled(state == 0);
}

void OtnFrameSetupPageTx::reinitialize()
{
    if (!isPageInitialized())
        return;
    uiHelperList()->Clear(true);
    initializeHelper();
    connectHelper();
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
    case 11200: {
        const int stage = tsStageOfPid(PID::Otn::TX::NUMBER_OF_TS, id);
        if (stage >= 0)
            updateOduLevel(stage + 1);
        break;
    }
    case otlcSliceId:
        m_otlcSliceNumber = parameter.getEnum();
        break;
    default:
        break;
    }
}

int OtnFrameSetupPageTx::stageOfPid(const int *table, int pid)
{
    int level = 0;
    while (level < 3 && table[level] != pid)
        ++level;
    ZEL_ASSERT_TEXT(level < 3, "(level < 3)", QStringLiteral("pid=0x%1 is not found.").arg(pid, 0, 16));
    return level < 3 ? level : -1;
}

int OtnFrameSetupPageTx::tsStageOfPid(const int *table, int pid)
{
    int level = 0;
    while (level < (3 - 1) && table[level] != pid)
        ++level;
    ZEL_ASSERT_TEXT(level < (3 - 1), "(level < (3-1))", QStringLiteral("pid=0x%1 is not found.").arg(pid, 0, 16));
    return level < (3 - 1) ? level : -1;
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
    auto *dialog = new OtnTxChDialog(serverManager(), m_port, this, stage, m_mapping, copyStatus);
    dialog->setAccessState(serverManager()->getGUIAccessState());
    dialog->setOdtuName(odtuName);
    serverManager()->executeQzelDialog(dialog);
    delete dialog;
}

void OtnFrameSetupPageTx::clickedOh(int level)
{
    // OtnOhDialog for this level (on its pbLv<n>Oh, with the kept OTL slice number) opens here once it exists.
    Q_UNUSED(level)
}
