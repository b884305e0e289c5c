#include "otnstimuliwidgetlldskew.h"

#include "ui_otnstimuliwidgetlldskew.h"

#include <QBitArray>
#include <QComboBox>
#include <QLayout>

#include "apps/shared/sid.h"
#include "client/otn/components/uihelpers/installcombodelegates.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelper_label.h"
#include "host/bindings/uihelper_multilane.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelper_number.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/server/zelservermanager.h"
#include "host/texts/widgettext.h"
#include "host/widgets/multilanewidget.h"

namespace {

constexpr int skewTitleText = 3076;
constexpr int lanesPerRow = 5;
constexpr int initialLanes = 4;
constexpr int laneTypeCount = 2;
constexpr int logicalLaneType = 0;

} // namespace

OtnStimuliWidgetLldSkew::OtnStimuliWidgetLldSkew(const ClientInfo &client, QWidget *parent)
    : StimuliWidget(client.serverManager, client.port, skewTitleText, parent), m_clientInfo(client),
      ui(std::make_unique<Ui::OtnStimuliWidgetLldSkew>()), m_group(nsSID::otn)
{
    ui->setupUi(this);
    installComboDelegates(this);
    m_logicalLanes = addLaneWidget(ui->wgtInsertionLane, QStringLiteral("logicalLanes"));
    m_physicalLanes = addLaneWidget(ui->wgtInsertionLanePhysical, QStringLiteral("physicalLanes"));
    changeSkewLaneWidget(logicalLaneType);
    // Bound to the port it is made for; the host's setId binds it anew.
    addUi();
}

OtnStimuliWidgetLldSkew::~OtnStimuliWidgetLldSkew() = default;

MultiLaneWidget *OtnStimuliWidgetLldSkew::addLaneWidget(QWidget *container, const QString &name)
{
    auto *lanes = new MultiLaneWidget(container, false);
    lanes->setObjectName(name);
    // Numbered lanes of one width, so that rows line up.
    lanes->setStyleSheet(QStringLiteral("%1 QPushButton{min-width: 30px;max-width: 30px;min-height: 10px;}")
                             .arg(QLatin1String(lanes->metaObject()->className())));
    container->layout()->addWidget(lanes);
    lanes->setBits(QBitArray(initialLanes), 1, initialLanes);
    return lanes;
}

int OtnStimuliWidgetLldSkew::sid(int id) const
{
    return nsSID::build(m_port, m_group, id);
}

void OtnStimuliWidgetLldSkew::setId(int sid)
{
    const int newPort = nsSID::portOf(sid);
    const int newGroup = nsSID::groupOf(sid);
    const int portCount = m_clientInfo.serverManager ? m_clientInfo.serverManager->PortCount() : 0;
    ZEL_ASSERT_TEXT(0 < newPort && newPort <= portCount,
                    "(0 < newPort ) && (newPort <= m_clientInfo.manager->PortCount() )",
                    QStringLiteral("OtnStimuliWidgetLldSkew::setId: Incorrect port value(%1)").arg(newPort));
    ZEL_ASSERT_TEXT(newGroup == nsSID::otn, "newGroup == nsSID::otn",
                    QStringLiteral("OtnStimuliWidgetLldSkew::setId: Incorrect nsSID::group(%1)").arg(newGroup));
    // Taken all the same: the report says what is wrong, the panel shows what it was given.
    m_port = newPort;
    m_clientInfo.port = newPort;
    m_group = newGroup;
    addUi();
    connectBindings();
    StimuliWidget::setId(sid);
}

void OtnStimuliWidgetLldSkew::addUi()
{
    using namespace PID::Otn::STIMULI;
    m_helpers->Clear();
    m_helpers->AddUiHelper(
        std::make_unique<UiHelper_Number>(m_manager, ui->pbSkewBits, nullptr, ui->lblSkewBitsUnit, sid(SKEW_BITS), 1));
    // Its own unit label: the bits label keeps its unit.
    m_helpers->AddUiHelper(
        std::make_unique<UiHelper_Label>(m_manager, ui->lblSkewNs, nullptr, ui->lblSkewNsUnit, sid(SKEW_NS), 0u, 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(m_manager, ui->cmbLaneType, ui->lblLaneType,
                                                                    nullptr, nullptr, sid(SKEW_LANE_TYPE), 1));
    // Beside five lanes: the combo takes the room the lanes leave, not that of its longest name.
    ui->cmbLaneType->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_helpers->AddUiHelper(std::make_unique<UiHelper_MultiLane>(m_manager, m_logicalLanes, nullptr,
                                                                sid(SKEW_LOGICAL_LANES), lanesPerRow, false, 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_MultiLane>(m_manager, m_physicalLanes, nullptr,
                                                                sid(SKEW_PHYSICAL_LANES), lanesPerRow, false, 1));
    // Connected at once: the lane widget shown follows the lane type also while the panel is hidden.
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Notification>(m_manager, this, sid(SKEW_LANE_TYPE), 2));
}

void OtnStimuliWidgetLldSkew::qcmaParameterChanged(const QcmaParameter &parameter)
{
    if (nsSID::idOf(parameter.getSID()) == PID::Otn::STIMULI::SKEW_LANE_TYPE
        && parameter.getType() == QcmaParameter::TypeEnum)
        changeSkewLaneWidget(parameter.getEnum());
}

void OtnStimuliWidgetLldSkew::changeSkewLaneWidget(int value)
{
    m_laneType = value;
    ui->wgtInsertionLane->setVisible(value == logicalLaneType);
    ui->wgtInsertionLanePhysical->setVisible(value != logicalLaneType);
}

QStringList OtnStimuliWidgetLldSkew::sampleStateNames() const
{
    QStringList names;
    for (int type = 0; type < laneTypeCount; ++type) {
        const QString name =
            m_manager ? m_manager->texts().getValueName(sid(PID::Otn::STIMULI::SKEW_LANE_TYPE), type) : QString();
        names << (name.isEmpty() ? QString::number(type) : name);
    }
    return names;
}

bool OtnStimuliWidgetLldSkew::stepToSampleState(int index)
{
    if (index < 0 || index >= laneTypeCount)
        return false;
    if (m_laneType == index)
        return true;
    std::unique_ptr<QcmaParameter> laneType =
        m_manager ? m_manager->GetQcmaParameter(sid(PID::Otn::STIMULI::SKEW_LANE_TYPE)) : nullptr;
    const auto *choices = dynamic_cast<const QcmaParameterEnum *>(laneType.get());
    // A lane type the tester does not offer here is pictured as the panel stands.
    if (!choices || !choices->isEnumActive(index) || !laneType->setValue(index))
        return true;
    m_manager->SetQcmaParameter(laneType.get());
    return false;
}
