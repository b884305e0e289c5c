#include "otnmappingdialog.h"
#include "ui_otnmappingdialog.h"

#include <QScopedValueRollback>

#include "apps/shared/sid.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnpid.h"
#include "host/pages/dialogsetup.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "host/texts/widgettext.h"

OtnMappingDialog::OtnMappingDialog(zelServerManager *manager, int port, QWidget *parent, int direction)
    : ZelDialog(parent, manager, true),
      m_ui(std::make_unique<Ui::OtnMappingDialog>()),
      m_helpers(std::make_unique<UiHelperList>()),
      m_port(port),
      m_direction(direction == 1 ? 1 : 0)
{
    m_ui->setupUi(this);
    DialogSetup::prepareDialog(this, texts(), m_ui->bbMapping);
    createBindings();
    setHelpPage(QStringLiteral("otn_mapping.html"));
    setWindowTitle(texts().getUiText(4665, 0));
}

OtnMappingDialog::~OtnMappingDialog() = default;

void OtnMappingDialog::createBindings()
{
    QComboBox *const combos[] = {m_ui->cmbIoSignal, m_ui->cmbClientSignal, m_ui->cmbMultiplexing1,
                                 m_ui->cmbMultiplexing2, m_ui->cmbMultiplexing3};
    QLabel *const labels[] = {m_ui->lblIoSignal, m_ui->lblClientSignal, m_ui->lblMultiplexing1,
                              m_ui->lblMultiplexing2, m_ui->lblMultiplexing3};
    // Rows of the form: output signal, client signal, multiplexing 1-3, in mapping record order.
    const int *ids = m_direction == 1 ? PID::Otn::RX::MAPPING : PID::Otn::TX::MAPPING;
    for (int row = 0; row < OtnMapping::fieldCount; ++row) {
        const int sid = nsSID::otnSid(m_port, ids[row]);
        m_helpers->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(
            serverManager(), combos[row], labels[row], nullptr, nullptr, sid, UiHelper::ConnectImmediately));
    }
    const int terminologySid = zelServerManager::terminologySid(m_port);
    m_helpers->AddUiHelper(
        std::make_unique<UiHelper_Notification>(serverManager(), this, terminologySid, UiHelper::ConnectImmediately));
}

void OtnMappingDialog::ChangeTerminology(int terminology)
{
    // Re-showing the bindings' values reports the terminology parameter again; once is enough.
    if (m_changingTerminology)
        return;
    const QScopedValueRollback<bool> guard(m_changingTerminology, true);
    m_helpers->ChangeTerminology(terminology);
}

void OtnMappingDialog::qcmaParameterChanged(const QcmaParameter &parameter)
{
    const int terminologySid = zelServerManager::terminologySid(m_port);
    if (parameter.getSID() != terminologySid)
        return;
    ChangeTerminology(parameter.getInt() != 0 ? BaseText::TerminologySdh : BaseText::TerminologySonet);
}
