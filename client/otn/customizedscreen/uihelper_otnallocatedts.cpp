#include "uihelper_otnallocatedts.h"

#include <QBitArray>

#include "client/otn/interface_setup_status/dialogs/otnchwidget.h"
#include "client/otn/interface_setup_status/dialogs/otntxchallocationdialog.h"
#include "host/parameters/qcmaparameter.h"
#include "host/parameters/qcmaparameterbitarray.h"
#include "host/server/zelservermanager.h"

namespace {
// The grid and the dialog of a customised screen show one ODU2's eight slots in a row.
constexpr int cellCount = 8;
constexpr int columnCount = 0;
} // namespace

UiHelper_OtnAllocatedTS::UiHelper_OtnAllocatedTS(zelServerManager *manager, OtnChWidget *grid, QWidget *first,
                                                 QWidget *second, int sid, int strategy)
    : UiHelper(manager), m_grid(grid), m_first(first), m_second(second)
{
    ConnectionStateChanged(true);
    setSID_QcmaParameter(sid, strategy);
}

UiHelper_OtnAllocatedTS::~UiHelper_OtnAllocatedTS()
{
    if (m_grid)
        disconnect(m_grid, &OtnChWidget::cellClicked, this, &UiHelper_OtnAllocatedTS::clickedAllocated);
}

void UiHelper_OtnAllocatedTS::ConnectionStateChanged(bool connected)
{
    if (!connected)
        return;
    if (m_grid) {
        connect(m_grid, &OtnChWidget::cellClicked, this, &UiHelper_OtnAllocatedTS::clickedAllocated,
                Qt::UniqueConnection);
    }
    for (QWidget *widget : {static_cast<QWidget *>(m_grid.data()), m_first.data(), m_second.data()})
        SetHelperWidgetActive(widget, true, false);
}

void UiHelper_OtnAllocatedTS::QcmaParameter_Changed(QcmaParameter &parameter)
{
    if (!m_grid)
        return;
    // Cells beyond the array keep their state.
    const QBitArray bits = parameter.getBitArray();
    for (int i = 0; i < bits.size(); ++i)
        m_grid->setCellState(i, bits.testBit(i));
}

void UiHelper_OtnAllocatedTS::clickedAllocated(int index)
{
    Q_UNUSED(index)   // the dialog edits the whole allocation, whichever cell was clicked
    zelServerManager *manager = serverManager();
    OtnTxChAllocationDialog dialog(nullptr, cellCount, columnCount);
    const QcmaParameter *current = QcmaParameter_Get();
    if (!manager || !current)
        return;
    dialog.setBits(current->getBitArray());
    if (manager->executeQzelDialog(&dialog) != 1)
        return;
    std::unique_ptr<QcmaParameter> copy = QcmaParameter_GetCopy();
    if (auto *parameter = dynamic_cast<QcmaParameterBitArray *>(copy.get())) {
        // A stage of more slots than the dialog's keeps the slots beyond them as they were.
        QBitArray bits = parameter->getValue();
        const QBitArray edited = dialog.bits();
        if (bits.size() < edited.size())
            bits.resize(edited.size());
        for (int i = 0; i < edited.size(); ++i)
            bits.setBit(i, edited.testBit(i));
        parameter->setValue(bits);
        QcmaParameter_SetValue(parameter, false);
    }
}
