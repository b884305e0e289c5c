#include "otnttidetectiondialog.h"
#include "ui_otnttidetectiondialog.h"

#include <QPushButton>

#include "apps/shared/sid.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnpid.h"
#include "host/pages/dialogsetup.h"
#include "host/server/zelservermanager.h"
#include "host/texts/widgettext.h"

OtnTtiDetectionDialog::OtnTtiDetectionDialog(zelServerManager *manager, int port, QWidget *parent)
    : UiHelperDialog(manager, parent, 0), ui(std::make_unique<Ui::OtnTtiDetectionDialog>()), m_port(port)
{
    ui->setupUi(this);
    DialogSetup::prepareDialog(this, texts(), ui->bbTtiDetection, DialogSetup::ComboDelegates);

    const WidgetText texts = this->texts();
    setWindowTitle(texts.getUiText(4206));
    ui->gbTti->setTitle(texts.getUiText(4207));
    ui->gbPlm->setTitle(texts.getUiText(4208));
    SetButtons(ui->bbTtiDetection);
    setHelpPage(QStringLiteral("otn_tti_detection_dialog.html"));

    using namespace PID::Otn::RX;
    const struct {
        QComboBox *combo;
        int id;
    } bindings[] = {
        {ui->cmbSm, SM_TTI_DETECTION},        {ui->cmbPm, PM_TTI_DETECTION},
        {ui->cmbTcm1, TCM_TTI_DETECTION[0]}, {ui->cmbTcm2, TCM_TTI_DETECTION[1]},
        {ui->cmbTcm3, TCM_TTI_DETECTION[2]}, {ui->cmbTcm4, TCM_TTI_DETECTION[3]},
        {ui->cmbTcm5, TCM_TTI_DETECTION[4]}, {ui->cmbTcm6, TCM_TTI_DETECTION[5]},
        {ui->cmbPlm, PLM_DETECTION},
    };
    for (const auto &b : bindings) {
        uiHelperList()->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(
            manager, b.combo, nullptr, nullptr, nullptr, nsSID::otnSid(m_port, b.id), UiHelper::ConnectManually));
    }
    setAccessState(manager ? manager->getGUIAccessState() : 0);
}

OtnTtiDetectionDialog::~OtnTtiDetectionDialog() = default;

void OtnTtiDetectionDialog::setAccessState(int state)
{
    uiHelperList()->SetGUIAccessState(state);
    ui->bbTtiDetection->button(QDialogButtonBox::Ok)->setEnabled(state == 0);
}

void OtnTtiDetectionDialog::showEvent(QShowEvent *event)
{
    UiHelperDialog::showEvent(event);
    uiHelperList()->ConnectManual();
}

void OtnTtiDetectionDialog::hideEvent(QHideEvent *event)
{
    uiHelperList()->DisconnectManual();
    UiHelperDialog::hideEvent(event);
}
