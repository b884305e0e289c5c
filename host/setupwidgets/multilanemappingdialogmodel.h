#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QVector>

#include "host/hostexport.h"

// Which logical lane each position of a multi-lane interface carries: one row per lane parameter, the
// physical lane the position goes out on, and the logical lane it carries.
class ZELBASE_EXPORT MultiLaneMappingDialogModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { ColumnPhysical = 0, ColumnLogical = 1, ColumnCount = 2 };
    static constexpr int undefinedLane = -1;

    MultiLaneMappingDialogModel(const QList<int> &laneIds, int countId, QObject *parent = nullptr);
    // The ids of count lane parameters that follow each other from firstId.
    static QList<int> consecutiveIds(int firstId, int count);

    QList<int> laneIds() const { return m_laneIds; }
    int countId() const { return m_countId; }
    int laneCount() const { return m_laneIds.size(); }
    int rowOfLaneId(int id) const { return m_laneIds.indexOf(id); }

    // Several logical lanes are bit-multiplexed onto one physical lane (1, 2 or 5).
    void setLogicalLanesPerPhysicalLane(int lanes);
    int logicalLanesPerPhysicalLane() const { return m_perPhysical; }
    int physicalLaneOf(int row) const;
    int physicalLaneCount() const;

    int logicalLane(int row) const;
    // The value the server holds for a row (undefinedLane when it holds none).
    void setLogicalLane(int row, int lane);
    // The user's choice: the row swaps lanes with the row that carried the chosen one, so that every
    // logical lane stays used once. False when nothing changes.
    bool assignLogicalLane(int row, int lane);
    // Logical lane i at position i.
    void resetToDefault();
    // Every row defined and every logical lane 0..laneCount-1 used exactly once.
    bool isComplete() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // A row changed by the user (not by the server); the dialog writes it.
    void laneEdited(int row, int lane);

private:
    void store(int row, int lane);

    QList<int> m_laneIds;
    QVector<int> m_lanes;
    int m_countId = 0;
    int m_perPhysical = 1;
};
