#include "otntxgfptdialog.h"
#include "ui_otntxgfptdialog.h"

#include <QPushButton>

#include "apps/shared/sid.h"
#include "client/otn/components/uihelpers/installcombodelegates.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelperlist.h"
#include "host/texts/widgettext.h"

namespace {
constexpr int idCsfReplacement = 11015;
} // namespace

OtnTxGfpTDialog::OtnTxGfpTDialog(zelServerManager *manager, int port, QWidget *parent)
    : UiHelperDialog(manager, parent, 0), ui(new Ui::OtnTxGfpTDialog), m_port(port)
{
    ui->setupUi(this);
    removeContextHelpButton();
    WidgetText *texts = WidgetText::instance();
    ui->bbTxGfpT->button(QDialogButtonBox::Cancel)->setText(texts->getCommonText(2006));
    ui->bbTxGfpT->button(QDialogButtonBox::Ok)->setText(texts->getCommonText(2005));
    installComboDelegates(this);
    SetButtons(ui->bbTxGfpT);

    uiHelperList()->AddUiHelper(new UiHelper_Enum_ComboBox(manager, ui->cmbCsfReplacement, ui->lblCsfReplacement,
                                                           nullptr, nullptr,
                                                           nsSID::build(m_port, nsSID::otn, idCsfReplacement),
                                                           UiHelper::ConnectImmediately));

    connect(ui->bbTxGfpT, &QDialogButtonBox::accepted, this, &QDialog::accept, Qt::UniqueConnection);
    connect(ui->bbTxGfpT, &QDialogButtonBox::rejected, this, &QDialog::reject, Qt::UniqueConnection);
    setHelpPage(QStringLiteral("otn_tx_gfpt_dialog.html"));
}

OtnTxGfpTDialog::~OtnTxGfpTDialog()
{
    uiHelperList()->Clear(true);
    delete ui;
}
