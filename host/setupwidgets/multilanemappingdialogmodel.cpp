#include "multilanemappingdialogmodel.h"

MultiLaneMappingDialogModel::MultiLaneMappingDialogModel(const QList<int> &laneIds, int countId, QObject *parent)
    : QAbstractTableModel(parent), m_laneIds(laneIds), m_lanes(laneIds.size(), undefinedLane), m_countId(countId)
{
}

QList<int> MultiLaneMappingDialogModel::consecutiveIds(int firstId, int count)
{
    QList<int> ids;
    for (int lane = 0; lane < count; ++lane)
        ids.append(firstId + lane);
    return ids;
}

void MultiLaneMappingDialogModel::setLogicalLanesPerPhysicalLane(int lanes)
{
    lanes = qMax(1, lanes);
    if (lanes == m_perPhysical)
        return;
    m_perPhysical = lanes;
    if (!m_lanes.isEmpty())
        emit dataChanged(index(0, ColumnPhysical), index(m_lanes.size() - 1, ColumnPhysical));
}

int MultiLaneMappingDialogModel::physicalLaneOf(int row) const
{
    if (row < 0 || row >= m_lanes.size())
        return -1;
    return row / m_perPhysical;
}

int MultiLaneMappingDialogModel::physicalLaneCount() const
{
    return (m_lanes.size() + m_perPhysical - 1) / m_perPhysical;
}

int MultiLaneMappingDialogModel::logicalLane(int row) const
{
    return m_lanes.value(row, undefinedLane);
}

void MultiLaneMappingDialogModel::store(int row, int lane)
{
    if (m_lanes.at(row) == lane)
        return;
    m_lanes[row] = lane;
    emit dataChanged(index(row, ColumnLogical), index(row, ColumnLogical));
}

void MultiLaneMappingDialogModel::setLogicalLane(int row, int lane)
{
    if (row < 0 || row >= m_lanes.size())
        return;
    store(row, lane < 0 ? undefinedLane : lane);
}

bool MultiLaneMappingDialogModel::assignLogicalLane(int row, int lane)
{
    if (row < 0 || row >= m_lanes.size() || lane < 0 || lane >= m_lanes.size())
        return false;
    const int previous = m_lanes.at(row);
    // A position the server does not define cannot be swapped with.
    if (previous == undefinedLane || previous == lane)
        return false;
    int other = -1;
    for (int i = 0; i < m_lanes.size(); ++i) {
        if (i != row && m_lanes.at(i) == lane) {
            other = i;
            break;
        }
    }
    store(row, lane);
    emit laneEdited(row, lane);
    if (other >= 0) {
        store(other, previous);
        emit laneEdited(other, previous);
    }
    return true;
}

void MultiLaneMappingDialogModel::resetToDefault()
{
    for (int row = 0; row < m_lanes.size(); ++row) {
        if (m_lanes.at(row) == row)
            continue;
        store(row, row);
        emit laneEdited(row, row);
    }
}

bool MultiLaneMappingDialogModel::isComplete() const
{
    if (m_lanes.isEmpty())
        return false;
    QVector<bool> used(m_lanes.size(), false);
    for (int lane : m_lanes) {
        if (lane < 0 || lane >= m_lanes.size() || used.at(lane))
            return false;
        used[lane] = true;
    }
    return true;
}

int MultiLaneMappingDialogModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_lanes.size();
}

int MultiLaneMappingDialogModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MultiLaneMappingDialogModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_lanes.size())
        return {};
    const int row = index.row();
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (index.column() == ColumnPhysical) {
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return physicalLaneOf(row);
        return {};
    }
    if (index.column() != ColumnLogical)
        return {};
    const int lane = m_lanes.at(row);
    if (role == Qt::DisplayRole)
        return lane == undefinedLane ? QVariant(QStringLiteral("-")) : QVariant(lane);
    if (role == Qt::EditRole)
        return lane;
    return {};
}

bool MultiLaneMappingDialogModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != ColumnLogical || role != Qt::EditRole)
        return false;
    bool ok = false;
    const int lane = value.toInt(&ok);
    return ok && assignLogicalLane(index.row(), lane);
}

Qt::ItemFlags MultiLaneMappingDialogModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled;
    if (index.column() == ColumnLogical && logicalLane(index.row()) != undefinedLane)
        f |= Qt::ItemIsSelectable | Qt::ItemIsEditable;
    return f;
}

QVariant MultiLaneMappingDialogModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section;
    switch (section) {
    case ColumnPhysical:
        return tr("Physical Lane");
    case ColumnLogical:
        return tr("Logical Lane");
    default:
        return {};
    }
}
