#include "otntxchallocationdialog.h"
#include "ui_otntxchallocationdialog.h"

#include <QPushButton>

#include "host/pages/dialogsetup.h"
#include "host/texts/widgettext.h"
#include "otnchwidget.h"

namespace {
constexpr int textAllocationTitle = 5105;
} // namespace

OtnTxChAllocationDialog::OtnTxChAllocationDialog(QWidget *parent, int cellCount, int columns)
    : ZelDialog(parent, nullptr, true),
      ui(std::make_unique<Ui::OtnTxChAllocationDialog>()),
      m_cellCount(cellCount),
      m_columns(columns)
{
    ui->setupUi(this);
    DialogSetup::prepareDialog(this, texts(), ui->bbChAllocation);

    // The user may allocate every slot: the maximum is the cell count.
    m_grid = new OtnChWidget(m_cellCount, m_columns, true, true, true, false, m_cellCount, this);
    m_grid->setObjectName(QStringLiteral("allocationGrid"));
    ui->hLayoutAllocated->insertWidget(0, m_grid);

    connect(ui->pbAllocatedAll, &QPushButton::clicked, this, &OtnTxChAllocationDialog::clickedAllocateAll);
    setHelpPage(QStringLiteral("otn_tx_ch_allocation_dialog.html"));
}

OtnTxChAllocationDialog::~OtnTxChAllocationDialog() = default;

void OtnTxChAllocationDialog::setOdtuName(const QString &name)
{
    m_odtuName = name;
    setWindowTitle(name + texts().getUiText(textAllocationTitle, 0));
}

void OtnTxChAllocationDialog::setBits(const QBitArray &bits)
{
    m_grid->setBits(bits);
}

QBitArray OtnTxChAllocationDialog::bits() const
{
    return m_grid->bits();
}

void OtnTxChAllocationDialog::setMask(quint32 mask)
{
    m_grid->setMask(mask);
}

quint32 OtnTxChAllocationDialog::mask() const
{
    return m_grid->mask();
}

void OtnTxChAllocationDialog::copyCells(const OtnChWidget &other)
{
    m_grid->copyCells(other);
}

void OtnTxChAllocationDialog::clickedAllocateAll()
{
    // The allocated look is the set (orange) look, whatever the grid's inversion.
    m_grid->setAllCells(!m_grid->isInverted());
}
