#include "otntxgfptdialog.h"
#include "ui_otntxgfptdialog.h"


#include "apps/shared/sid.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnpid.h"
#include "host/pages/dialogsetup.h"

OtnTxGfpTDialog::OtnTxGfpTDialog(zelServerManager *manager, int port, QWidget *parent)
    : UiHelperDialog(manager, parent, 0), ui(std::make_unique<Ui::OtnTxGfpTDialog>()), m_port(port)
{
    ui->setupUi(this);
    DialogSetup::prepareDialog(this, texts(), ui->bbTxGfpT, DialogSetup::ComboDelegates);
    SetButtons(ui->bbTxGfpT);

    uiHelperList()->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(
        manager, ui->cmbCsfReplacement, ui->lblCsfReplacement, nullptr, nullptr,
        nsSID::otnSid(m_port, PID::Otn::TX::GFP_T_CSF_REPLACEMENT), UiHelper::ConnectImmediately));
    setHelpPage(QStringLiteral("otn_tx_gfpt_dialog.html"));
}

OtnTxGfpTDialog::~OtnTxGfpTDialog() = default;
