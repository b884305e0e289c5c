#include "otnchdialogbase.h"

#include <QDialogButtonBox>
#include <QLayout>
#include <QPushButton>

#include "apps/shared/sid.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelper_number.h"
#include "host/bindings/uihelper_setter.h"
#include "host/bindings/uihelperlist.h"
#include "host/pages/dialogsetup.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "otnchwidget.h"
#include "otnselecttsdialog.h"

constexpr int OtnChDialogBase::stageCount;

OtnChDialogBase::OtnChDialogBase(zelServerManager *manager, int port, QWidget *page, int stage,
                                 const OtnMapping &mapping, const int *mainTpIds, const int *mainTsIds)
    : ZelDialog(page, manager, true),
      m_helpers(std::make_unique<UiHelperList>()),
      m_manager(manager),
      m_mapping(mapping),
      m_port(port),
      m_stage(stage),
      m_mainTpIds(mainTpIds),
      m_mainTsIds(mainTsIds)
{
    for (int i = 0; i < OtnTsMap::maxTs; ++i)
        m_mainTs[i] = i + 1;
}

OtnChDialogBase::~OtnChDialogBase() = default;

void OtnChDialogBase::prepareForm(QWidget *content, QDialogButtonBox *buttons)
{
    m_content = content;
    m_buttons = buttons;
    DialogSetup::prepareDialog(this, texts(), buttons);
}

void OtnChDialogBase::createMainGrid(QWidget *parent, QLayout *layout)
{
    m_mainGrid = OtnTsMap::createMainGrid(m_gridSize, parent);
    m_mainGrid->setObjectName(QStringLiteral("mainTpTsGrid"));
    if (layout)
        layout->addWidget(m_mainGrid);
    connect(m_mainGrid, &OtnChWidget::cellClicked, this, &OtnChDialogBase::clickedMainTpTs);
}

TpTsInfo OtnChDialogBase::updateDerivedCounts()
{
    m_gridSize = OtnTsMap::gridSizeOfStage(m_stage, m_mapping);
    const TpTsInfo info = OtnTpTs::getTpTsInfo(m_stage, m_mapping, m_flexTsCount);
    m_tpCount = int(qMin<quint32>(info.tpCount, OtnTsMap::maxTs));
    m_tsCount = int(qMin<quint32>(OtnTpTs::getTpTsInfo(m_stage, m_mapping, 0).tsCount, OtnTsMap::maxTs));
    m_rows = OtnTsMap::rows(m_tsCount);
    return info;
}

void OtnChDialogBase::addNotification(int id)
{
    if (id != 0)
        m_helpers->AddUiHelper(std::make_unique<UiHelper_Notification>(m_manager, this, nsSID::otnSid(m_port, id),
                                                                       UiHelper::ConnectImmediately));
}

void OtnChDialogBase::addNumber(QAbstractButton *button, QLabel *label, int id)
{
    if (id != 0)
        m_helpers->AddUiHelper(std::make_unique<UiHelper_Number>(
            m_manager, button, label, nullptr, nsSID::otnSid(m_port, id), UiHelper::ConnectImmediately));
}

void OtnChDialogBase::addMainTsSetter()
{
    if (const int id = stageEntry(m_mainTsIds, m_stage)) {
        m_mainTsSetter = m_helpers->AddUiHelper(std::make_unique<UiHelper_Setter>(
            m_manager, this, nsSID::otnSid(m_port, id), UiHelper::ConnectImmediately));
    }
}

bool OtnChDialogBase::takeMainTs(const QcmaParameter &parameter, const char *what)
{
    if (!usable(parameter, parameter.getType() == QcmaParameter::TypeByteArray, what))
        return false;
    const QByteArray bytes = parameter.getByteArray();
    OtnTpTs::copyTs(m_mainTs, bytes, qMin(bytes.size(), int(OtnTsMap::maxTs)));
    return true;
}

void OtnChDialogBase::setAccessState(int state)
{
    m_helpers->SetGUIAccessState(state);
    if (m_content)
        m_content->setEnabled(state == 0);
    if (QPushButton *close = m_buttons ? m_buttons->button(QDialogButtonBox::Close) : nullptr)
        close->setEnabled(state == 0);
}

void OtnChDialogBase::setOdtuName(const QString &name)
{
    m_odtuName = name;
    setWindowTitle(name + QStringLiteral(" TP/TS"));
}

void OtnChDialogBase::clickedMainTpTs(int)
{
    const int mainTsId = stageEntry(m_mainTsIds, m_stage);
    if (mainTsId == 0 || !m_manager)
        return;
    OtnSelectTsDialog dialog(this, m_port, m_tpCount, m_tsCount, m_stage, stageEntry(m_mainTpIds, m_stage), mainTsId);
    dialog.setOdtuName(m_odtuName);
    m_manager->executeQzelDialog(&dialog);
}

int OtnChDialogBase::stageEntry(const int *table, int stage)
{
    return (table && stage >= 0 && stage < stageCount) ? table[stage] : 0;
}

bool OtnChDialogBase::isStageEntry(const int *table, int id)
{
    if (!table || id == 0)
        return false;
    for (int stage = 0; stage < stageCount; ++stage) {
        if (table[stage] == id)
            return true;
    }
    return false;
}

bool OtnChDialogBase::isNumber(const QcmaParameter &parameter)
{
    const int type = parameter.getType();
    return type == QcmaParameter::TypeInt || type == QcmaParameter::TypeEnum || type == QcmaParameter::TypeUInt;
}

bool OtnChDialogBase::usable(const QcmaParameter &parameter, bool rightKind, const char *what)
{
    if (!rightKind) {
        qCWarning(lcOtnChannel) << what << parameter.describe() << "is of the wrong kind, ignored";
        return false;
    }
    if (!parameter.isDefined()) {
        qCDebug(lcOtnChannel) << what << parameter.describe() << "is undefined, ignored";
        return false;
    }
    return true;
}
