#include "bulkdialog.h"
#include "ui_bulkdialog.h"

#include <QPushButton>

#include "apps/shared/sid.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelper_enum_radiobutton.h"
#include "host/bindings/uihelperlist.h"
#include "host/diagnostics/zeldiagnostics.h"
#include "host/otn/otnpid.h"
#include "host/pages/dialogsetup.h"
#include "host/server/zelservermanager.h"
#include "host/texts/widgettext.h"
#include "setupwidgetids.h"

namespace {
constexpr int uiTextTx = 4187;
constexpr int uiTextRx = 4188;
} // namespace

BulkDialog::BulkDialog(QWidget *page, zelServerManager *manager, int port, int select)
    : UiHelperDialog(manager, page, manager ? manager->GetTerminology(port) : 0),
      ui(std::make_unique<Ui::BulkDialog>()),
      m_port(port),
      m_select(select)
{
    ui->setupUi(this);
    setHelpPage(QStringLiteral("bulk_pattern.html"));
    DialogSetup::prepareDialog(this, texts(), ui->buttonBox, {});
    SetButtons(ui->buttonBox);

    const bool tx = select == nsSetupWidgets::bulkSelectTx;
    const bool rx = select == nsSetupWidgets::bulkSelectRx;
    ZEL_ASSERT(tx || rx, QStringLiteral("BulkDialog: select=%1 names no direction.").arg(select));
    if (!tx && !rx) {
        // Nothing to edit: the fields stay empty and disabled.
        ui->gbPattern->setEnabled(false);
        ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
        ui->buttonBox->button(QDialogButtonBox::Apply)->setEnabled(false);
        return;
    }
    setWindowTitle(tr("%1 Test Pattern").arg(texts().getUiText(tx ? uiTextTx : uiTextRx)));

    const int patternId = tx ? PID::Otn::TX::BULK_PATTERN : PID::Otn::RX::BULK_PATTERN;
    const int polarityId = tx ? PID::Otn::TX::BULK_POLARITY : PID::Otn::RX::BULK_POLARITY;
    UiHelperList *helpers = uiHelperList();
    helpers->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(manager, ui->cmbPatternType, ui->lblPatternType,
                                                                  nullptr, nullptr, nsSID::otnSid(port, patternId),
                                                                  UiHelper::ConnectImmediately));
    helpers->AddUiHelper(std::make_unique<UiHelper_Enum_RadioButton>(
        manager, ui->gbPolarity, false, QList<QRadioButton *>{ui->rbNormal, ui->rbInverted},
        nsSID::otnSid(port, polarityId), UiHelper::ConnectImmediately));
}

BulkDialog::~BulkDialog() = default;
