#pragma once

#include <QSortFilterProxyModel>

#include "host/hostexport.h"

// The event log as a view or report shows it: sorted by any column, and only the port, level and kind of
// event picked (-1: all).
class ZELCORE_EXPORT EventLogFilter : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    static constexpr int all = -1;

    explicit EventLogFilter(QObject *parent = nullptr);

    void setPort(int port);
    void setLevel(int level);
    void setKind(int kind);
    int port() const { return m_port; }
    int level() const { return m_level; }
    int kind() const { return m_kind; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    void change(int &field, int value);

    int m_port = all;
    int m_level = all;
    int m_kind = all;
};
