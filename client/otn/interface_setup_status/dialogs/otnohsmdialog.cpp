#include "otnohsmdialog.h"
#include "ui_otnohsmdialog.h"

#include "host/pages/dialogsetup.h"
#include "otnohttiwidget.h"

namespace {
constexpr int text3rdByte = 4661;
} // namespace

OtnOhSmDialog::OtnOhSmDialog(QWidget *parent, bool structured, const OtnMapping &mapping, int otlcSliceSelector)
    : OtnOhTtiDialog(mapping, otlcSliceSelector, parent),
      ui(std::make_unique<Ui::OtnOhSmDialog>()),
      m_reduced(mapping.isOTLC() && otlcSliceSelector == 1)
{
    ui->setupUi(this);
    DialogSetup::prepareDialog(this, texts(), ui->bbOhSm);
    ui->lbl3rdByte->setText(uiText(text3rdByte));
    setTtiWidget(new OtnOhTtiWidget(ui->wdgPlaceholder, structured));

    ui->cmbBeiBiae->addItems(binaryItems(4));
    ui->cmbBdi->addItems(binaryItems(1));
    ui->cmbIae->addItems(binaryItems(1));
    if (!m_reduced) {
        ui->cmbRes->addItems(binaryItems(2));
        m_bitGroups = {{ui->cmbBeiBiae, 4, 4}, {ui->cmbBdi, 3, 1}, {ui->cmbIae, 2, 1}, {ui->cmbRes, 0, 2}};
    } else {
        const QList<QWidget *> unused{ui->lblTti, ui->wdgPlaceholder, ui->lblBit5, ui->lblBdi,
                                      ui->cmbBdi, ui->lblBit6,        ui->lblIae,  ui->cmbIae};
        for (QWidget *widget : unused)
            widget->hide();
        ui->lblBeiBiae->setText(QStringLiteral("BEI"));
        ui->lblBit7_8->setText(QStringLiteral("Bit 5-8:"));
        ui->cmbRes->addItems(binaryItems(4));
        m_bitGroups = {{ui->cmbBeiBiae, 4, 4}, {ui->cmbRes, 0, 4}};
        setFixedSize(290, 165);
    }
    setHelpPage(QStringLiteral("otn_overhead.html#otn_sm"));
}

OtnOhSmDialog::~OtnOhSmDialog() = default;

void OtnOhSmDialog::updateTitle()
{
    setWindowTitle(QStringLiteral("OTU") + ohName() + (m_reduced ? QStringLiteral(" SM") : QStringLiteral(" SM-TTI")));
}

void OtnOhSmDialog::applyThirdByte(quint8 byte)
{
    splitIntoCombos(byte, m_bitGroups);
}

quint8 OtnOhSmDialog::collectThirdByte() const
{
    return joinFromCombos(m_bitGroups);
}
