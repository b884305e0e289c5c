#include "otntxgfpfdialog.h"
#include "ui_otntxgfpfdialog.h"

#include <QLoggingCategory>

#include "apps/shared/sid.h"
#include "client/otn/components/otngfpupi.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelper_number.h"
#include "host/bindings/uihelper_setter.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnpid.h"
#include "host/pages/dialogsetup.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/server/zelservermanager.h"

Q_LOGGING_CATEGORY(lcOtnGfpF, "otn.dialogs.gfpf")

namespace {
constexpr int exiLinearValue = 1;
constexpr uint upiMaximum = 255;
} // namespace

OtnTxGfpFDialog::OtnTxGfpFDialog(zelServerManager *manager, int port, QWidget *parent)
    : UiHelperDialog(manager, parent, 0), ui(std::make_unique<Ui::OtnTxGfpFDialog>()), m_port(port)
{
    ui->setupUi(this);
    DialogSetup::prepareDialog(this, texts(), ui->bbTxGfpF, DialogSetup::ComboDelegates);
    SetButtons(ui->bbTxGfpF);

    // Each combo binding comes before the notification of its SID: the notification reads the combo.
    UiHelperList *list = uiHelperList();
    const int strategy = UiHelper::ConnectImmediately;
    list->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(
        manager, ui->cmbPti, ui->lblPti, nullptr, nullptr, nsSID::otnSid(m_port, PID::Otn::TX::GFP_F_PTI), strategy));
    list->AddUiHelper(std::make_unique<UiHelper_Notification>(
        manager, this, nsSID::otnSid(m_port, PID::Otn::TX::GFP_F_PTI), strategy));
    list->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(
        manager, ui->cmbPfi, ui->lblPfi, nullptr, nullptr, nsSID::otnSid(m_port, PID::Otn::TX::GFP_F_PFI), strategy));
    list->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(
        manager, ui->cmbExi, ui->lblExi, nullptr, nullptr, nsSID::otnSid(m_port, PID::Otn::TX::GFP_F_EXI), strategy));
    list->AddUiHelper(std::make_unique<UiHelper_Notification>(
        manager, this, nsSID::otnSid(m_port, PID::Otn::TX::GFP_F_EXI), strategy));
    // The number binding shows the value first; the setter's report then turns it into binary digits.
    list->AddUiHelper(std::make_unique<UiHelper_Number>(manager, ui->pbUpi, ui->lblUpi, nullptr,
                                                        nsSID::otnSid(m_port, PID::Otn::TX::GFP_F_UPI), strategy));
    m_upiSetter = list->AddUiHelper(
        std::make_unique<UiHelper_Setter>(manager, this, nsSID::otnSid(m_port, PID::Otn::TX::GFP_F_UPI), strategy));
    list->AddUiHelper(std::make_unique<UiHelper_Number>(manager, ui->pbCid, ui->lblCid, nullptr,
                                                        nsSID::otnSid(m_port, PID::Otn::TX::GFP_F_CID), strategy));
    list->AddUiHelper(std::make_unique<UiHelper_Number>(manager, ui->pbSpare, ui->lblSpare, nullptr,
                                                        nsSID::otnSid(m_port, PID::Otn::TX::GFP_F_SPARE), strategy));
    list->AddUiHelper(
        std::make_unique<UiHelper_Number>(manager, ui->pbChecPresyncTimes, ui->lblChecPresyncTimes, nullptr,
                                          nsSID::otnSid(m_port, PID::Otn::TX::GFP_F_CHEC_PRESYNC), strategy));

    connect(ui->cmbUpi, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &OtnTxGfpFDialog::currentIndexChangedUpi, Qt::AutoConnection);
    setHelpPage(QStringLiteral("otn_tx_gfpf_dialog.html"));
}

OtnTxGfpFDialog::~OtnTxGfpFDialog() = default;

void OtnTxGfpFDialog::qcmaParameterChanged(const QcmaParameter &parameter)
{
    switch (nsSID::idOf(parameter.getSID())) {
    case PID::Otn::TX::GFP_F_PTI:
        refillUpiList();
        refreshUpiDisplay(m_upiSetter ? m_upiSetter->QcmaParameter_Get() : nullptr);
        break;
    case PID::Otn::TX::GFP_F_EXI:
        updateExtensionHeader(parameter);
        break;
    case PID::Otn::TX::GFP_F_UPI:
        refreshUpiDisplay(&parameter);
        break;
    default:
        qCWarning(lcOtnGfpF) << "Ignored parameter" << Qt::hex << parameter.getSID();
        break;
    }
}

void OtnTxGfpFDialog::refillUpiList()
{
    const OtnGfpUpi::Table table = OtnGfpUpi::tableOfPti(ui->cmbPti->currentText());
    m_updating = true;
    ui->cmbUpi->clear();
    const QVector<OtnGfpUpi::Entry> entries = OtnGfpUpi::entries(table);
    for (const OtnGfpUpi::Entry &e : entries)
        ui->cmbUpi->addItem(QString::fromLatin1(e.text), e.code);
    m_updating = false;
    const bool fullAccess = !serverManager() || serverManager()->getGUIAccessState() == 0;
    ui->cmbUpi->setEnabled(table != OtnGfpUpi::Table::None && fullAccess);
}

void OtnTxGfpFDialog::refreshUpiDisplay(const QcmaParameter *upi)
{
    // The UPI comes from its setter (pending or confirmed): the number binding has just written the
    // button text in decimal, so the text cannot be read back as binary.
    if (m_updating || !upi || !upi->isDefined())
        return;
    const int code = int(upi->getUInt());
    ui->pbUpi->setText(OtnGfpUpi::binaryText(code));

    const OtnGfpUpi::Table table = OtnGfpUpi::tableOfPti(ui->cmbPti->currentText());
    if (table == OtnGfpUpi::Table::None)
        return;
    m_updating = true;
    for (int i = ui->cmbUpi->count() - 1; i >= 0; --i) {
        const int itemCode = ui->cmbUpi->itemData(i).toInt();
        if (itemCode != code && !OtnGfpUpi::contains(table, itemCode))
            ui->cmbUpi->removeItem(i);
    }
    if (ui->cmbUpi->findData(code) < 0)
        ui->cmbUpi->addItem(OtnGfpUpi::upiText(table, code), code);
    ui->cmbUpi->setCurrentIndex(ui->cmbUpi->findData(code));
    m_updating = false;
}

void OtnTxGfpFDialog::updateExtensionHeader(const QcmaParameter &exi)
{
    const bool linear = exi.isDefined() && exi.getEnum() == exiLinearValue;
    ui->gbExtentionHeader->setVisible(linear);
    ui->lblCid->setVisible(linear);
    ui->pbCid->setVisible(linear);
    ui->lblSpare->setVisible(linear);
    ui->pbSpare->setVisible(linear);
}

void OtnTxGfpFDialog::currentIndexChangedUpi(int index)
{
    if (m_updating || index < 0 || !m_upiSetter)
        return;
    const int code = ui->cmbUpi->itemData(index).toInt();
    const QcmaParameter *current = m_upiSetter->QcmaParameter_Get();
    if (current && current->isDefined() && int(current->getUInt()) == code)
        return;
    QcmaParameterUInt value(nsSID::otnSid(m_port, PID::Otn::TX::GFP_F_UPI), uint(code), 0, upiMaximum);
    m_upiSetter->setParameter(&value);
}
