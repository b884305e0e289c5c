#include "otnframesetuppagebase.h"
#include "ui_otnframesetuppagebase.h"

#include <QLabel>
#include <QLayout>
#include <QPushButton>

#include "apps/shared/sid.h"
#include "client/otn/components/uihelpers/installcombodelegates.h"
#include "client/otn/components/uihelpers/odtudisplayname.h"
#include "client/otn/interface_setup_status/dialogs/otnchdialogbase.h"
#include "client/otn/interface_setup_status/dialogs/otnmappingdialog.h"
#include "client/otn/interface_setup_status/dialogs/otnotlcsetupdialog.h"
#include "client/otn/interface_setup_status/dialogs/otnttidetectiondialog.h"
#include "client/otn/interface_setup_status/dialogs/otntxgfpfdialog.h"
#include "client/otn/interface_setup_status/dialogs/otntxgfptdialog.h"
#include "client/otn/test_setup/otnmsimdetectiondialog.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelper_setter.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnpid.h"
#include "host/otn/otntpts.h"
#include "host/parameters/qcmaparameterint.h"
#include "host/server/zelservermanager.h"
#include "host/setupwidgets/bulkdialog.h"
#include "host/texts/widgettext.h"

namespace {

QString withoutOdu(QString name)
{
    return name.remove(QStringLiteral("ODU"));
}

} // namespace

OtnFrameSetupPageBase::OtnFrameSetupPageBase(const Identifier &identifier, zelServerManager *manager, int flags,
                                             int directionIndex, const QString &helpPage, const char *sourceFile)
    : OtnSetupPage(identifier, manager, flags, directionIndex, helpPage), m_sourceFile(sourceFile),
      m_ui(std::make_unique<Ui::OtnFrameSetupPageBase>())
{
    for (int level = 0; level < OtnMapping::maxLevels; ++level)
        m_oduNames.append(QString());
    for (int stage = 0; stage < OtnMapping::maxStages; ++stage)
        m_odtuNames.append(QString());
}

OtnFrameSetupPageBase::~OtnFrameSetupPageBase() = default;

void OtnFrameSetupPageBase::initializeUi()
{
    m_ui->setupUi(this);
    installComboDelegates(this);
    fillGroups();
    m_mapping.init();

    connect(m_ui->pbMapping, &QPushButton::clicked, this, &OtnFrameSetupPageBase::clickedMapping);
    connect(m_ui->pbConfigure, &QPushButton::clicked, this, &OtnFrameSetupPageBase::clickedConfigure);
    connect(m_ui->pbTtiDetection, &QPushButton::clicked, this, &OtnFrameSetupPageBase::clickedTtiDetection);
    connect(m_ui->pbOtlcSliceSetup, &QPushButton::clicked, this, &OtnFrameSetupPageBase::clickedOtlcSliceSetup);

    QPushButton *const chButtons[] = {m_ui->pbLv1Ch, m_ui->pbLv2Ch, m_ui->pbLv3Ch};
    QPushButton *const msimButtons[] = {m_ui->pbMsimDetection1, m_ui->pbMsimDetection2, m_ui->pbMsimDetection3};
    for (int stage = 0; stage < OtnMapping::maxStages; ++stage) {
        QPushButton *button = chButtons[stage];
        m_chMapper.setMapping(button, stage);
        connect(button, &QPushButton::clicked, &m_chMapper, QOverload<>::of(&QSignalMapper::map),
                Qt::UniqueConnection);
    }
    connect(&m_chMapper, &QSignalMapper::mappedInt, this, &OtnFrameSetupPageBase::clickedCh, Qt::UniqueConnection);
    for (int stage = 0; stage < OtnMapping::maxStages; ++stage) {
        QPushButton *button = msimButtons[stage];
        m_msimMapper.setMapping(button, stage);
        connect(button, &QPushButton::clicked, &m_msimMapper, QOverload<>::of(&QSignalMapper::map),
                Qt::UniqueConnection);
    }
    connect(&m_msimMapper, &QSignalMapper::mappedInt, this, &OtnFrameSetupPageBase::clickedMsimDetection,
            Qt::UniqueConnection);
    connect(m_ui->pbGfpT, &QPushButton::clicked, this, &OtnFrameSetupPageBase::clickedGfpT, Qt::UniqueConnection);
    // The header shows only this direction's controls from the start, so that the page never asks the
    // window for the room of both.
    updateDirectionRows();
}

void OtnFrameSetupPageBase::fillGroups()
{
    m_oduLevels[0] = {m_ui->gLayoutLv1Odu, nullptr, m_ui->vLayoutLv1Oh, nullptr};
    m_oduLevels[1] = {m_ui->gLayoutLv2Odu, m_ui->gLayoutLv2OduLine, m_ui->vLayoutLv2Oh, m_ui->vLayoutLv2Multiplex};
    m_oduLevels[2] = {m_ui->gLayoutLv3Odu, m_ui->gLayoutLv3OduLine, m_ui->vLayoutLv3Oh, m_ui->vLayoutLv3Multiplex};
    m_oduLevels[3] = {m_ui->gLayoutLv4Odu, m_ui->gLayoutLv4OduLine, m_ui->vLayoutLv4Oh, m_ui->vLayoutLv4Multiplex};

    m_odtuStages[0] = {m_ui->gLayoutLv1Odtu, m_ui->gLayoutLv1OdtuLine, m_ui->vLayoutLv1DummyCh, m_ui->vLayoutLv1Ch,
                       m_ui->vLayoutMsimDetection1};
    m_odtuStages[1] = {m_ui->gLayoutLv2Odtu, m_ui->gLayoutLv2OdtuLine, m_ui->vLayoutLv2DummyCh, m_ui->vLayoutLv2Ch,
                       m_ui->vLayoutMsimDetection2};
    m_odtuStages[2] = {m_ui->gLayoutLv3Odtu, m_ui->gLayoutLv3OdtuLine, m_ui->vLayoutLv3DummyCh, m_ui->vLayoutLv3Ch,
                       m_ui->vLayoutMsimDetection3};
}

void OtnFrameSetupPageBase::UpdateText()
{
    if (isPageInitialized()) {
        const WidgetText texts = this->texts();
        m_ui->lblSignal->setText(texts.getUiText(isTx() ? 4187 : 4188, 0));
        const QString msim = texts.getUiText(4663, 0);
        m_ui->pbMsimDetection1->setText(msim);
        m_ui->pbMsimDetection2->setText(msim);
        m_ui->pbMsimDetection3->setText(msim);
        m_ui->pbTtiDetection->setText(texts.getUiText(4664, 0));
        m_ui->pbMapping->setText(texts.getUiText(4665, 0));
        m_ui->pbConfigure->setText(texts.getUiText(4666, 0));
        updateClientSignal();
    }
    OtnSetupPage::UpdateText();
}

void OtnFrameSetupPageBase::ChangeTerminology(int terminology)
{
    m_terminology = terminology;
    if (!isPageInitialized())
        return;
    updateClientSignal();
    uiHelperList()->ChangeTerminology(terminology);
}

void OtnFrameSetupPageBase::SetGUIAccessState(int state)
{
    if (!isPageInitialized())
        return;
    OtnSetupPage::SetGUIAccessState(state);
    m_ui->pbMapping->setEnabled(state == 0);
    m_ui->pbConfigure->setEnabled(state == 0);
    applyConfigureRule();
}

void OtnFrameSetupPageBase::reinitialize()
{
    if (!isPageInitialized())
        return;
    uiHelperList()->Clear();
    initializeHelper();
    connectHelper();
}

UiHelper_Setter *OtnFrameSetupPageBase::addSetter(int id)
{
    return uiHelperList()->AddUiHelper(
        std::make_unique<UiHelper_Setter>(serverManager(), this, nsSID::otnSid(m_port, id), UiHelper::ConnectManually));
}

void OtnFrameSetupPageBase::addCombo(QComboBox *combo, QLabel *label, int id)
{
    uiHelperList()->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(
        serverManager(), combo, label, nullptr, nullptr, nsSID::otnSid(m_port, id), UiHelper::ConnectManually));
}

void OtnFrameSetupPageBase::addMappingBindings(int fecControlId)
{
    m_extraSetter = addSetter(PID::Otn::RX::LINE_RATE);
    for (int field = 0; field < OtnMapping::fieldCount; ++field)
        m_mappingSetters[field] = addSetter(mappingId(field));
    addCombo(m_ui->cmbFecControl, m_ui->lblFecControl, fecControlId);
}

void OtnFrameSetupPageBase::addTpTsSetters(int stage, const int *mainTpIds, const int *numberOfTsIds)
{
    if (stage < 0 || stage >= OtnMapping::maxStages)
        return;
    m_tpSetters[stage] = addSetter(mainTpIds[stage]);
    // Only stages 0 and 1 have an ODUflex TS count.
    if (stage < 2)
        m_tsCountSetters[stage] = addSetter(numberOfTsIds[stage]);
}

int OtnFrameSetupPageBase::stageOfPid(const int *table, int pid) const
{
    return findStage(table, OtnMapping::maxStages, pid, __LINE__);
}

int OtnFrameSetupPageBase::tsStageOfPid(const int *table, int pid) const
{
    return findStage(table, OtnMapping::maxStages - 1, pid, __LINE__);
}

int OtnFrameSetupPageBase::findStage(const int *table, int entries, int pid, int line) const
{
    const int level = PID::indexIn(table, entries, pid);
    if (level >= 0)
        return level;
    // The report names the bound as the three-stage and the two-stage tables always have.
    const QString condition =
        entries == OtnMapping::maxStages ? QStringLiteral("(level < 3)") : QStringLiteral("(level < (3-1))");
    fZEL_ASSERT(m_sourceFile, line, condition, QStringLiteral("pid=0x%1 is not found.").arg(pid, 0, 16));
    return -1;
}

void OtnFrameSetupPageBase::reloadMapping()
{
    for (int field = 0; field < OtnMapping::fieldCount; ++field) {
        const UiHelper_Setter *setter = m_mappingSetters[field];
        const QcmaParameter *parameter = setter ? setter->QcmaParameter_Get() : nullptr;
        if (!parameter)
            continue;
        const int type = parameter->getType();
        ZEL_ASSERT_TEXT(type == QcmaParameter::TypeInt || type == QcmaParameter::TypeEnum,
                        "(type == 1 || type == 2)",
                        QStringLiteral("mapping parameter sid=0x%1 has type %2; ignored.")
                            .arg(uint(parameter->getSID()), 0, 16).arg(type));
        if (type != QcmaParameter::TypeInt && type != QcmaParameter::TypeEnum)
            continue;
        // An undefined multiplexing stage means the stage is not used.
        const bool stage = field >= OtnMapping::FieldStage0;
        const int value = (stage && !parameter->isDefined())
                              ? 0
                              : static_cast<const QcmaParameterInt *>(parameter)->getValue();
        m_mapping.setValue(field, value);
    }
    refreshFrame();
}

void OtnFrameSetupPageBase::refreshFrame()
{
    updateHoOdu();
    for (int stage = 0; stage < OtnMapping::maxStages; ++stage)
        updateOdtuStage(stage);
    for (int level = 1; level < OtnMapping::maxLevels; ++level)
        updateOduLevel(level);
    updateGfp();
    updateClientSignal();
    updateDirectionRows();
    m_ui->scrollAreaWidgetContents->adjustSize();
}

void OtnFrameSetupPageBase::updateHoOdu()
{
    const QString name = withoutOdu(m_mapping.getHoOduName());
    m_oduNames[0] = name;
    const QString pattern = m_mapping.hasExtendedOpu(0) ? QStringLiteral("OTU%1\nODU%1\nExt. OPU%1")
                                                        : QStringLiteral("OTU%1\nODU%1\nOPU%1");
    m_ui->lblLv1Odu->setText(pattern.arg(name));
    setLayoutVisible(m_oduLevels[0].oh, isTx());
}

void OtnFrameSetupPageBase::updateOdtuStage(int stage)
{
    if (stage < 0 || stage >= OtnMapping::maxStages)
        return;
    const OdtuStageGroup &group = m_odtuStages[stage];
    const bool present = m_mapping.hasOdtu(stage);
    m_odtuNames[stage] = QString();
    setLayoutVisible(group.box, present);
    setLayoutVisible(group.line, !present);
    setLayoutVisible(group.dummyCh, present && isTx());
    setLayoutVisible(group.ch, present);
    setLayoutVisible(group.msim, present && !isTx());
    if (!present)
        return;

    m_odtuNames[stage] = odtuDisplayName(texts(), m_port, m_mapping, stage);
    if (QLabel *label = odtuLabel(stage))
        label->setText(QString(m_odtuNames[stage]).replace(QStringLiteral("("), QStringLiteral("\n(")));
    const UiHelper_Setter *tp = m_tpSetters[stage];
    if (tp && tp->QcmaParameter_Get()) {
        if (QPushButton *button = chButton(stage))
            button->setText(QStringLiteral("TP #") + QString::number(tp->QcmaParameter_Get()->getUInt()));
    }
}

void OtnFrameSetupPageBase::updateOduLevel(int level)
{
    if (level < 1 || level >= OtnMapping::maxLevels)
        return;
    const OduLevelGroup &group = m_oduLevels[level];
    const int stage = level - 1;
    const bool present = m_mapping.hasOdtu(stage);
    setLayoutVisible(group.box, present);
    setLayoutVisible(group.oh, present && isTx());
    setLayoutVisible(group.counter, present);
    setLayoutVisible(group.line, !present);
    if (!present)
        return;

    const QString name = withoutOdu(m_mapping.getOduName(level));
    m_oduNames[level] = name;
    const QString pattern = m_mapping.hasExtendedOpu(level) ? QStringLiteral("ODU%1\nExt. OPU%1")
                                                            : QStringLiteral("ODU%1\nOPU%1");
    if (auto *label = qobject_cast<QLabel *>(findChildInLayout(group.box, QStringLiteral("lblLv%1Odu").arg(level + 1))))
        label->setText(pattern.arg(name));

    // Only stages 0 and 1 have an ODUflex TS count; elsewhere the record's default applies.
    quint32 flexTsCount = 0;
    if (stage < 2 && m_mapping.hasOduFlex(stage) && m_tsCountSetters[stage]
        && m_tsCountSetters[stage]->QcmaParameter_Get())
        flexTsCount = m_tsCountSetters[stage]->QcmaParameter_Get()->getUInt();
    const TpTsInfo info = OtnTpTs::getTpTsInfo(stage, m_mapping, flexTsCount);
    const QString counterName = QStringLiteral("lblLv%1Multiplex").arg(level + 1);
    if (auto *counter = qobject_cast<QLabel *>(findChildInLayout(group.counter, counterName)))
        counter->setText(QStringLiteral("x") + QString::number(info.multiplexFactor));
}

void OtnFrameSetupPageBase::updateGfp()
{
    const bool gfp = m_mapping.isGfp();
    setLayoutVisible(m_ui->vLayoutGfp, gfp);
    setLayoutVisible(m_ui->gLayoutGfpLine, !gfp);
    if (!gfp)
        return;
    const bool gfpF = m_mapping.isGfpF();
    const bool asButton = (isTx() && m_mapping.isGfpT()) || gfpF;
    const QString text = gfpF ? QStringLiteral("GFP-F") : QStringLiteral("GFP-T");
    setLayoutVisible(m_ui->gLayoutGfpT, asButton);
    setLayoutVisible(m_ui->gLayoutGfpRx, !asButton);
    if (asButton)
        m_ui->pbGfpT->setText(text);
    else
        m_ui->lblGfpRx->setText(text);
}

void OtnFrameSetupPageBase::updateClientSignal()
{
    const int sid = nsSID::otnSid(m_port, mappingId(OtnMapping::FieldClient));
    QString text = texts().getValueName(sid, m_mapping.value(OtnMapping::FieldClient), m_terminology);
    const int bracket = text.indexOf(QLatin1Char('('));
    if (bracket >= 0)
        text.insert(bracket, QLatin1Char('\n'));
    m_ui->lblClientSignal->setText(text);
    applyConfigureRule();
}

void OtnFrameSetupPageBase::applyConfigureRule()
{
    // Only the default client (value 0) has settings of its own to configure.
    const int access = serverManager() ? serverManager()->getGUIAccessState() : 0;
    m_ui->pbConfigure->setEnabled(access == 0 && m_mapping.value(OtnMapping::FieldClient) == 0);
}

void OtnFrameSetupPageBase::updateDirectionRows()
{
    setLayoutVisible(m_ui->hLayoutTtiDetection, !isTx());
    setLayoutVisible(m_ui->hLayoutTcm, !isTx());
    setLayoutVisible(m_ui->hLayoutTtiEncoding, isTx());
    setLayoutVisible(m_ui->hLayoutOtlcSliceSetup, m_mapping.isOTLC());
}

int OtnFrameSetupPageBase::mappingId(int field) const
{
    if (field < 0 || field >= OtnMapping::fieldCount)
        return 0;
    return (isTx() ? PID::Otn::TX::MAPPING : PID::Otn::RX::MAPPING)[field];
}

QLabel *OtnFrameSetupPageBase::odtuLabel(int stage) const
{
    if (stage < 0 || stage >= OtnMapping::maxStages)
        return nullptr;
    return qobject_cast<QLabel *>(
        findChildInLayout(m_odtuStages[stage].box, QStringLiteral("lblLv%1Odtu").arg(stage + 1)));
}

QPushButton *OtnFrameSetupPageBase::chButton(int stage) const
{
    if (stage < 0 || stage >= OtnMapping::maxStages)
        return nullptr;
    return qobject_cast<QPushButton *>(
        findChildInLayout(m_odtuStages[stage].ch, QStringLiteral("pbLv%1Ch").arg(stage + 1)));
}

void OtnFrameSetupPageBase::setLayoutVisible(QLayoutItem *item, bool visible)
{
    if (!item)
        return;
    if (QLayout *layout = item->layout()) {
        for (int i = 0; i < layout->count(); ++i)
            setLayoutVisible(layout->itemAt(i), visible);
    }
    if (QWidget *widget = item->widget())
        widget->setVisible(visible);
}

QWidget *OtnFrameSetupPageBase::findChildInLayout(QLayoutItem *item, const QString &name)
{
    if (!item)
        return nullptr;
    if (QLayout *layout = item->layout()) {
        for (int i = 0; i < layout->count(); ++i) {
            if (QWidget *found = findChildInLayout(layout->itemAt(i), name))
                return found;
        }
    }
    QWidget *widget = item->widget();
    return (widget && widget->objectName() == name) ? widget : nullptr;
}

void OtnFrameSetupPageBase::setChButtonTextIfCurrent(QLabel *label, QPushButton *button, const QString &odtuName,
                                                     const QString &text)
{
    if (!label || !button)
        return;
    // The label may already show another structure's ODTU while stage values trickle in.
    const QString shown = label->text().remove(QLatin1Char('\n'));
    if (shown.startsWith(odtuName, Qt::CaseSensitive))
        button->setText(text);
}

void OtnFrameSetupPageBase::runChDialog(OtnChDialogBase &dialog, const QString &odtuName)
{
    dialog.setAccessState(serverManager()->getGUIAccessState());
    dialog.setOdtuName(odtuName);
    serverManager()->executeQzelDialog(&dialog);
}

void OtnFrameSetupPageBase::clickedMapping()
{
    if (!serverManager())
        return;
    OtnMappingDialog dialog(serverManager(), m_port, m_ui->pbMapping, m_directionIndex);
    serverManager()->executeQzelDialog(&dialog);
}

void OtnFrameSetupPageBase::clickedConfigure()
{
    uiEditDialog_open(std::make_unique<BulkDialog>(this, serverManager(), m_port, isTx() ? 4 : 5));
}

void OtnFrameSetupPageBase::clickedCh(int stage)
{
    openChDialog(stage, m_odtuNames.value(stage));
}

void OtnFrameSetupPageBase::clickedTtiDetection()
{
    auto dialog = std::make_unique<OtnTtiDetectionDialog>(serverManager(), m_port, this);
    dialog->setAccessState(serverManager()->getGUIAccessState());
    uiEditDialog_open(std::move(dialog));
}

void OtnFrameSetupPageBase::clickedMsimDetection(int stage)
{
    OtnMsimDetectionDialog dialog(serverManager(), m_port, this, stage, m_mapping);
    dialog.setOdtuName(m_odtuNames.value(stage));
    dialog.setAccessState(serverManager()->getGUIAccessState());
    serverManager()->executeQzelDialog(&dialog);
}

void OtnFrameSetupPageBase::clickedGfpT()
{
    // The GFP box is a button for GFP-F on both directions and for GFP-T on Tx.
    std::unique_ptr<QDialog> dialog;
    if (m_mapping.isGfpF())
        dialog = std::make_unique<OtnTxGfpFDialog>(serverManager(), m_port, m_ui->pbGfpT);
    else
        dialog = std::make_unique<OtnTxGfpTDialog>(serverManager(), m_port, m_ui->pbGfpT);
    serverManager()->executeQzelDialog(dialog.get());
}

void OtnFrameSetupPageBase::clickedOtlcSliceSetup()
{
    uiEditDialog_open(std::make_unique<OtnOtlcSetupDialog>(serverManager(), m_port, this));
}
