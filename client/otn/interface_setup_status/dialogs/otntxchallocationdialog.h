#pragma once

#include <memory>

#include <QBitArray>
#include <QString>

#include "client/otn/otnexport.h"
#include "host/pages/zeldialog.h"

class OtnChWidget;

namespace Ui {
class OtnTxChAllocationDialog;
}

// Edits a copy of a stage's tributary slot allocation; the caller writes it back only when accepted.
class ZELOTN_EXPORT OtnTxChAllocationDialog : public ZelDialog
{
    Q_OBJECT
public:
    OtnTxChAllocationDialog(QWidget *parent, int cellCount, int columns);
    ~OtnTxChAllocationDialog() override;

    void setOdtuName(const QString &name);
    QString odtuName() const { return m_odtuName; }

    void setBits(const QBitArray &bits);
    QBitArray bits() const;
    // Only for at most 32 cells: setting does nothing and reading gives 0 otherwise.
    void setMask(quint32 mask);
    quint32 mask() const;
    void copyCells(const OtnChWidget &other);

    OtnChWidget *grid() const { return m_grid; }

public slots:
    void clickedAllocateAll();

private:
    std::unique_ptr<Ui::OtnTxChAllocationDialog> ui;
    OtnChWidget *m_grid = nullptr;
    QString m_odtuName;
    int m_cellCount = 0;
    int m_columns = 0;
};
