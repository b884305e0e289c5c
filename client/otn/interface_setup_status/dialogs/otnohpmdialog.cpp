#include "otnohpmdialog.h"
#include "ui_otnohpmdialog.h"

#include "host/pages/dialogsetup.h"
#include "otnohttiwidget.h"

namespace {
constexpr int text3rdByte = 4661;

// STAT (bits 6-8) of the PM third byte; item index = STAT value.
const QStringList &statOduk()
{
    static const QStringList items{
        QStringLiteral("000: Reserved"), QStringLiteral("001: Normal path signal"), QStringLiteral("010: Reserved"),
        QStringLiteral("011: Reserved"), QStringLiteral("100: Reserved"),          QStringLiteral("101: ODUk-LCK"),
        QStringLiteral("110: ODUk-OCI"), QStringLiteral("111: ODUk-AIS"),
    };
    return items;
}

const QStringList &statOducn()
{
    static const QStringList items{
        QStringLiteral("000: Reserved"), QStringLiteral("001: Normal path signal"), QStringLiteral("010: Reserved"),
        QStringLiteral("011: Reserved"), QStringLiteral("100: Reserved"),          QStringLiteral("101: Reserved"),
        QStringLiteral("110: Reserved"), QStringLiteral("111: ODUCn-AIS"),
    };
    return items;
}
} // namespace

OtnOhPmDialog::OtnOhPmDialog(QWidget *parent, bool structured, const OtnMapping &mapping, int otlcSliceSelector)
    : OtnOhTtiDialog(mapping, otlcSliceSelector, parent),
      ui(std::make_unique<Ui::OtnOhPmDialog>()),
      // Only the second slice: the overhead table opens this dialog from a "TTI" cell and writes the TTI
      // on the third and fourth, so those keep the whole field, as the SM dialog does.
      m_reduced(mapping.isOTLC() && otlcSliceSelector == 1)
{
    ui->setupUi(this);
    DialogSetup::prepareDialog(this, texts(), ui->bbOhPm);
    ui->lbl3rdByte->setText(uiText(text3rdByte));
    setTtiWidget(new OtnOhTtiWidget(ui->wdgPlaceholder, structured));

    ui->cmbBei->addItems(binaryItems(4));
    ui->cmbBdi->addItems(binaryItems(1));
    if (!m_reduced) {
        ui->cmbStat->addItems(mapping.isOTLC() ? statOducn() : statOduk());
        m_bitGroups = {{ui->cmbBei, 4, 4}, {ui->cmbBdi, 3, 1}, {ui->cmbStat, 0, 3}};
    } else {
        const QList<QWidget *> unused{ui->lblTti, ui->wdgPlaceholder, ui->lblBit5, ui->lblBdi, ui->cmbBdi};
        for (QWidget *widget : unused)
            widget->hide();
        ui->lblBit6_8->setText(QStringLiteral("Bit 5-8:"));
        ui->lblStat->setText(QStringLiteral("RES"));
        ui->cmbStat->addItems(binaryItems(4));
        m_bitGroups = {{ui->cmbBei, 4, 4}, {ui->cmbStat, 0, 4}};
        setFixedSize(350, 172);
    }
    setHelpPage(QStringLiteral("otn_overhead.html#otn_pm"));
}

OtnOhPmDialog::~OtnOhPmDialog() = default;

void OtnOhPmDialog::updateTitle()
{
    setWindowTitle(QStringLiteral("ODU") + ohName() + (m_reduced ? QStringLiteral(" PM") : QStringLiteral(" PM-TTI")));
}

void OtnOhPmDialog::applyThirdByte(quint8 byte)
{
    splitIntoCombos(byte, m_bitGroups);
}

quint8 OtnOhPmDialog::collectThirdByte() const
{
    return joinFromCombos(m_bitGroups);
}
