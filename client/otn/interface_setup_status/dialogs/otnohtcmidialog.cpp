#include "otnohtcmidialog.h"
#include "ui_otnohtcmidialog.h"

#include "host/pages/dialogsetup.h"
#include "host/widgets/qzelnumpaddlg.h"
#include "otnohttiwidget.h"

namespace {
constexpr int text1stByte = 4660;
constexpr int text3rdByte = 4661;

// STAT (bits 6-8) of the TCM third byte; item index = STAT value.
const QStringList &statOduk()
{
    static const QStringList items{
        QStringLiteral("000: no souce TC"), QStringLiteral("001: in use without IAE"),
        QStringLiteral("010: in use with IAE"), QStringLiteral("011: Reserved"),
        QStringLiteral("100: Reserved"), QStringLiteral("101: ODUk-LCK"),
        QStringLiteral("110: ODUk-OCI"), QStringLiteral("111: ODUk-AIS"),
    };
    return items;
}

const QStringList &statOducn()
{
    static const QStringList items{
        QStringLiteral("000: no souce TC"), QStringLiteral("001: in use without IAE"),
        QStringLiteral("010: in use with IAE"), QStringLiteral("011: Reserved"),
        QStringLiteral("100: Reserved"), QStringLiteral("101: ODUCn-OCI"),
        QStringLiteral("110: Reserved"), QStringLiteral("111: ODUCn-AIS"),
    };
    return items;
}
} // namespace

OtnOhTcmiDialog::OtnOhTcmiDialog(QWidget *parent, bool structured, const OtnMapping &mapping)
    : OtnOhTtiDialog(mapping, 0, parent), ui(std::make_unique<Ui::OtnOhTcmiDialog>())
{
    ui->setupUi(this);
    m_ttiHeight = height();
    m_givenFirstByte = firstByte();
    DialogSetup::prepareDialog(this, texts(), ui->bbOhTcmi);
    ui->lbl3rdByte->setText(uiText(text3rdByte));
    ui->lbl1stByte->setText(uiText(text1stByte));
    setTtiWidget(new OtnOhTtiWidget(ui->wdgPlaceholder, structured));

    ui->cmbBeiBiae->addItems(binaryItems(4));
    ui->cmbBdi->addItems(binaryItems(1));
    ui->cmbStat->addItems(mapping.isOTLC() ? statOducn() : statOduk());
    m_bitGroups = {{ui->cmbBeiBiae, 4, 4}, {ui->cmbBdi, 3, 1}, {ui->cmbStat, 0, 3}};
    setTtiShown(true);
    setHelpPage(QStringLiteral("otn_overhead.html#otn_tcm"));
    connect(ui->pb1stByte, &QPushButton::clicked, this, &OtnOhTcmiDialog::clicked1stByte);
}

OtnOhTcmiDialog::~OtnOhTcmiDialog() = default;

void OtnOhTcmiDialog::setTcmNumber(int number)
{
    m_tcmNumber = number;
    updateTitle();
}

void OtnOhTcmiDialog::setTtiShown(bool shown)
{
    m_ttiShown = shown;
    ui->lblTti->setVisible(shown);
    ui->wdgPlaceholder->setVisible(shown);
    ui->lbl1stByte->setVisible(!shown);
    ui->pb1stByte->setVisible(!shown);
    // The first byte needs far less room than a message: the dialog shrinks to it.
    ui->gLayoutOhTcmi->setRowStretch(1, shown ? 1 : 0);
    layout()->invalidate();
    resize(width(), shown ? qMax(m_ttiHeight, sizeHint().height()) : sizeHint().height());
}

void OtnOhTcmiDialog::setFirstByte(quint8 byte)
{
    ui->pb1stByte->setText(QString::number(byte));
    m_givenFirstByte = byte;
}

quint8 OtnOhTcmiDialog::firstByte() const
{
    return quint8(ui->pb1stByte->text().toUInt(nullptr, 10));
}

void OtnOhTcmiDialog::done(int result)
{
    if (result != QDialog::Accepted)
        ui->pb1stByte->setText(QString::number(m_givenFirstByte));
    OtnOhTtiDialog::done(result);
}

void OtnOhTcmiDialog::clicked1stByte()
{
    QzelNumpadDlg keypad(QzelNumpadDlg::Integer, this);
    keypad.setMinimum(0);
    keypad.setMaximum(255);
    keypad.setText(ui->pb1stByte->text());
    if (keypad.exec() == QDialog::Accepted)
        ui->pb1stByte->setText(keypad.text());
}

void OtnOhTcmiDialog::updateTitle()
{
    setWindowTitle(QStringLiteral("ODU") + ohName() + QStringLiteral(" TCM") + QString::number(m_tcmNumber)
                   + QStringLiteral("-TTI"));
}

void OtnOhTcmiDialog::applyThirdByte(quint8 byte)
{
    splitIntoCombos(byte, m_bitGroups);
}

quint8 OtnOhTcmiDialog::collectThirdByte() const
{
    return joinFromCombos(m_bitGroups);
}
