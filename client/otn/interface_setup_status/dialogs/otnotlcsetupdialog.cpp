#include "otnotlcsetupdialog.h"
#include "ui_otnotlcsetupdialog.h"


#include "apps/shared/sid.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelper_enum_radiobutton.h"
#include "host/bindings/uihelper_notification.h"
#include "host/otn/otnpid.h"
#include "host/pages/dialogsetup.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "host/texts/widgettext.h"

OtnOtlcSetupDialog::OtnOtlcSetupDialog(zelServerManager *manager, int port, QWidget *parent)
    : ZelDialog(parent, manager, true), ui(std::make_unique<Ui::OtnOtlcSetupDialog>()), m_port(port)
{
    ui->setupUi(this);
    setWindowTitle(tr("OTLC Slice"));
    DialogSetup::prepareDialog(this, texts(), ui->bbOtlcSetup);
    setHelpPage(QStringLiteral("otn_otlc_dialog.html"));

    // The bindings start in the port's terminology; the notification below reports it again.
    m_terminology = manager ? manager->GetTerminology(m_port) : 0;
    const int strategy = UiHelper::ConnectImmediately;
    m_helpers.AddUiHelper(
        std::make_unique<UiHelper_Enum_ComboBox>(manager, ui->cmbSliceNumber, ui->lblSliceNumber, nullptr, nullptr,
                                                 nsSID::otnSid(m_port, PID::Otn::TX::OTLC_SLICE_NUMBER), strategy));
    m_helpers.AddUiHelper(
        std::make_unique<UiHelper_Enum_ComboBox>(manager, ui->cmbPatternTypeBulkTx, nullptr, nullptr, nullptr,
                                                 nsSID::otnSid(m_port, PID::Otn::TX::BULK_PATTERN), strategy));
    m_helpers.AddUiHelper(std::make_unique<UiHelper_Enum_RadioButton>(
        manager, ui->gbPatternTypeBulkTx, false, QList<QRadioButton *>{ui->rbNormalBulkTx, ui->rbInvertedBulkTx},
        nsSID::otnSid(m_port, PID::Otn::TX::BULK_POLARITY), strategy));
    m_helpers.AddUiHelper(
        std::make_unique<UiHelper_Enum_ComboBox>(manager, ui->cmbPatternTypeBulkRx, nullptr, nullptr, nullptr,
                                                 nsSID::otnSid(m_port, PID::Otn::RX::BULK_PATTERN), strategy));
    m_helpers.AddUiHelper(std::make_unique<UiHelper_Enum_RadioButton>(
        manager, ui->gbPatternTypeBulkRx, false, QList<QRadioButton *>{ui->rbNormalBulkRx, ui->rbInvertedBulkRx},
        nsSID::otnSid(m_port, PID::Otn::RX::BULK_POLARITY), strategy));
    m_helpers.AddUiHelper(
        std::make_unique<UiHelper_Notification>(manager, this, zelServerManager::terminologySid(m_port), strategy));
}

OtnOtlcSetupDialog::~OtnOtlcSetupDialog() = default;

void OtnOtlcSetupDialog::ChangeTerminology(int terminology)
{
    // The terminology notification is itself in the list: an unchanged value must end the round.
    if (terminology == m_terminology)
        return;
    m_terminology = terminology;
    m_helpers.ChangeTerminology(terminology);
}

void OtnOtlcSetupDialog::qcmaParameterChanged(const QcmaParameter &parameter)
{
    const int terminologySid = zelServerManager::terminologySid(m_port);
    if (parameter.getSID() != terminologySid)
        return;
    ChangeTerminology(parameter.getInt() != 0 ? BaseText::TerminologySdh : BaseText::TerminologySonet);
}
