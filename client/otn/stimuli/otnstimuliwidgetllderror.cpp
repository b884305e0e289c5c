#include "otnstimuliwidgetllderror.h"

#include "ui_otnstimuliwidgetllderror.h"

#include <QBitArray>
#include <QLayout>

#include "apps/shared/sid.h"
#include "client/otn/components/uihelpers/installcombodelegates.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelper_multilane.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelper_number.h"
#include "host/bindings/uihelperlist.h"
#include "host/diagnostics/zeldiagnostics.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "host/widgets/multilanewidget.h"

namespace {

constexpr int lldErrorTitleText = 3075;
// Hosts of this application type show lanes as bare toggles, so twice as many fit in a row.
constexpr int unnumberedLanesApplication = 0x1000;
constexpr int numberedLanesPerRow = 5;
constexpr int unnumberedLanesPerRow = 10;
constexpr int initialLanes = 4;

// Lanes of one width, so that rows line up; a bare toggle is a flat bar, a numbered lane as tall as its
// number.
QString laneStyleSheet(const MultiLaneWidget &lanes)
{
    const QString height = lanes.showNumbers() ? QStringLiteral("min-height: 10px;")
                                               : QStringLiteral("min-height: 10px;max-height: 10px;");
    return QStringLiteral("%1 QPushButton{min-width: 30px;max-width: 30px;%2}")
        .arg(QLatin1String(lanes.metaObject()->className()), height);
}

enum AlarmErrorPage { NoAlarmErrorPage = 0 };
enum InsertionMode { BurstInsertion = 0, AlternateInsertion = 1 };

} // namespace

OtnStimuliWidgetLldError::OtnStimuliWidgetLldError(const ClientInfo &client, QWidget *parent)
    : OtnStimuliWidget(client, lldErrorTitleText, parent), ui(std::make_unique<Ui::OtnStimuliWidgetLldError>())
{
    ui->setupUi(this);
    installComboDelegates(this);
    m_lanes = new MultiLaneWidget(ui->wgtLldErrorLane, false);
    m_lanes->setObjectName(QStringLiteral("lldErrorLanes"));
    if (m_manager && (m_manager->GetApplicationType() & unnumberedLanesApplication))
        m_lanes->setShowNumbers(false);
    m_lanes->setStyleSheet(laneStyleSheet(*m_lanes));
    ui->wgtLldErrorLane->layout()->addWidget(m_lanes);
    m_lanes->setBits(QBitArray(initialLanes), 1, initialLanes);
    alarmErrorChanged(NoAlarmErrorPage);
    insertionModeChanged(BurstInsertion);
    initializeHelpers();
    tellSelectorChanges({ui->cmbType, ui->cmbAlarmDestination, ui->cmbErrorDestination, ui->cmbErrorInsertion});
}

OtnStimuliWidgetLldError::~OtnStimuliWidgetLldError() = default;

void OtnStimuliWidgetLldError::initializeHelpers()
{
    using namespace PID::Otn::STIMULI;
    const int port = this->port();
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(m_manager, ui->cmbType, ui->lblType, nullptr,
                                                                    nullptr, nsSID::otnSid(port, LLD_TYPE), 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Notification>(m_manager, this, nsSID::otnSid(port, LLD_TYPE), 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(m_manager, ui->cmbAlarmDestination,
                                                                    ui->lblAlarmDestination, nullptr, nullptr,
                                                                    nsSID::otnSid(port, LLD_ALARM), 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(m_manager, ui->cmbErrorDestination,
                                                                    ui->lblErrorDestination, nullptr, nullptr,
                                                                    nsSID::otnSid(port, LLD_ERROR), 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(m_manager, ui->cmbErrorInsertion,
                                                                    ui->lblErrorInsertion, nullptr, nullptr,
                                                                    nsSID::otnSid(port, LLD_INSERTION), 1));
    m_helpers->AddUiHelper(
        std::make_unique<UiHelper_Notification>(m_manager, this, nsSID::otnSid(port, LLD_INSERTION), 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Number>(m_manager, ui->pbErrorBurst, ui->lblErrorBurst, nullptr,
                                                             nsSID::otnSid(port, LLD_BURST), 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Number>(m_manager, ui->pbErrorFrame, ui->lblErrorFrame, nullptr,
                                                             nsSID::otnSid(port, LLD_ALTERNATE_ERROR), 1));
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Number>(m_manager, ui->pbNormalFrame, ui->lblNormalFrame,
                                                             nullptr, nsSID::otnSid(port, LLD_ALTERNATE_NORMAL), 1));
    const int lanesPerRow = m_lanes->showNumbers() ? numberedLanesPerRow : unnumberedLanesPerRow;
    m_helpers->AddUiHelper(std::make_unique<UiHelper_MultiLane>(m_manager, m_lanes, ui->lblLldErrorLane,
                                                                nsSID::otnSid(port, LLD_ERROR_LANES), lanesPerRow,
                                                                false, 1));
}

void OtnStimuliWidgetLldError::qcmaParameterChanged(const QcmaParameter &parameter)
{
    if (parameter.getType() != QcmaParameter::TypeEnum)
        return;
    const int id = nsSID::idOf(parameter.getSID());
    if (id == PID::Otn::STIMULI::LLD_TYPE)
        alarmErrorChanged(parameter.getEnum());
    else if (id == PID::Otn::STIMULI::LLD_INSERTION)
        insertionModeChanged(parameter.getEnum());
}

void OtnStimuliWidgetLldError::alarmErrorChanged(int value)
{
    // Page 0 is empty, 1 the alarm item, 2 the error item.
    const bool known = value >= 0 && value < ui->stackAlarmsErrors->count();
    ZEL_ASSERT_TEXT(known, "value < stackAlarmsErrors->count()",
                    QStringLiteral("OtnStimuliWidgetLldError::alarmErrorChanged: unknown type %1").arg(value));
    ui->stackAlarmsErrors->setCurrentIndex(known ? value : NoAlarmErrorPage);
    const bool inserting = value != NoAlarmErrorPage;
    ui->lblErrorInsertion->setVisible(inserting);
    ui->cmbErrorInsertion->setVisible(inserting);
    ui->stackErrorInsertion->setVisible(inserting);
    ui->lblLldErrorLane->setVisible(inserting);
    ui->wgtLldErrorLane->setVisible(inserting);
}

void OtnStimuliWidgetLldError::insertionModeChanged(int value)
{
    QWidget *page = ui->pageNoInsertion;
    if (value == BurstInsertion)
        page = ui->pageBurst;
    else if (value == AlternateInsertion)
        page = ui->pageAlternate;
    ui->stackErrorInsertion->setCurrentWidget(page);
}

QString OtnStimuliWidgetLldError::insertionText() const
{
    // The type decides which item selector tells: the alarm's or the error's.
    QComboBox *item = ui->stackAlarmsErrors->currentWidget() == ui->pageAlarm ? ui->cmbAlarmDestination
                                                                                 : ui->cmbErrorDestination;
    return selectorsText({ui->cmbType, item, ui->cmbErrorInsertion}).section(QStringLiteral(", "), 1);
}
