#include "otnohapsdialog.h"
#include "ui_otnohapsdialog.h"

#include "host/pages/dialogsetup.h"

namespace {
constexpr int requestShift = 4;
constexpr quint8 requestMask = 0x0F;
} // namespace

OtnOhApsDialog::OtnOhApsDialog(QWidget *parent)
    : ZelDialog(parent, nullptr, true), ui(std::make_unique<Ui::OtnOhApsDialog>())
{
    ui->setupUi(this);
    DialogSetup::prepareDialog(this, texts(), ui->bbOhAps);
    m_bits = {{0x08, ui->rbNoAps, ui->rbAps},
              {0x04, ui->rb1_1, ui->rb1_n},
              {0x02, ui->rbUnidirectional, ui->rbBidirectional},
              {0x01, ui->rbNonRevertive, ui->rbRevertive}};
    connect(ui->rbNoAps, &QRadioButton::clicked, this, &OtnOhApsDialog::noApsClicked);
    connect(ui->rbAps, &QRadioButton::clicked, this, &OtnOhApsDialog::apsClicked);
    connect(ui->rb1_1, &QRadioButton::clicked, this, &OtnOhApsDialog::onePlusOneClicked);
    connect(ui->rb1_n, &QRadioButton::clicked, this, &OtnOhApsDialog::oneToNClicked);
    connect(ui->rbUnidirectional, &QRadioButton::clicked, this, &OtnOhApsDialog::undirectionalClicked);
    connect(ui->rbBidirectional, &QRadioButton::clicked, this, &OtnOhApsDialog::bidirectionalClicked);
    connect(ui->rbNonRevertive, &QRadioButton::clicked, this, &OtnOhApsDialog::nonRevertiveClicked);
    connect(ui->rbRevertive, &QRadioButton::clicked, this, &OtnOhApsDialog::revertiveClicked);
    setHelpPage(QStringLiteral("otn_overhead.html#otn_apspcc"));
}

OtnOhApsDialog::~OtnOhApsDialog() = default;

void OtnOhApsDialog::setOhName(const QString &name)
{
    setWindowTitle(QStringLiteral("ODU") + name + QStringLiteral(" APS/PCC[1]"));
}

void OtnOhApsDialog::setApsByte(quint8 byte)
{
    ui->cmbBit1_4->setCurrentIndex((byte >> requestShift) & requestMask);
    for (const BitPair &bit : qAsConst(m_bits)) {
        if (byte & bit.mask)
            check(bit.one, bit.zero);
        else
            check(bit.zero, bit.one);
    }
}

quint8 OtnOhApsDialog::apsByte() const
{
    uint byte = (uint(qMax(0, ui->cmbBit1_4->currentIndex())) & requestMask) << requestShift;
    for (const BitPair &bit : m_bits) {
        if (bit.one->isChecked())
            byte |= bit.mask;
    }
    return quint8(byte);
}

void OtnOhApsDialog::check(QRadioButton *checked, QRadioButton *unchecked)
{
    // The buttons are not auto-exclusive: a click on the checked one would uncheck it.
    checked->setChecked(true);
    unchecked->setChecked(false);
}

void OtnOhApsDialog::noApsClicked()
{
    check(ui->rbNoAps, ui->rbAps);
}

void OtnOhApsDialog::apsClicked()
{
    check(ui->rbAps, ui->rbNoAps);
}

void OtnOhApsDialog::onePlusOneClicked()
{
    check(ui->rb1_1, ui->rb1_n);
}

void OtnOhApsDialog::oneToNClicked()
{
    check(ui->rb1_n, ui->rb1_1);
}

void OtnOhApsDialog::undirectionalClicked()
{
    check(ui->rbUnidirectional, ui->rbBidirectional);
}

void OtnOhApsDialog::bidirectionalClicked()
{
    check(ui->rbBidirectional, ui->rbUnidirectional);
}

void OtnOhApsDialog::nonRevertiveClicked()
{
    check(ui->rbNonRevertive, ui->rbRevertive);
}

void OtnOhApsDialog::revertiveClicked()
{
    check(ui->rbRevertive, ui->rbNonRevertive);
}
