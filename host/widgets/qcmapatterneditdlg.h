#pragma once

#include <QVector>

#include "host/pages/qzeldialog.h"

class QTableWidget;

// The hex byte editor: a fixed-size block of bytes (size in bits) edited as two hex digits each.
class ZELBASE_EXPORT QcmaPatternEditDlg : public QzelDialog
{
    Q_OBJECT
public:
    QcmaPatternEditDlg(int controls, int tabs, QWidget *parent = nullptr);

    void useApply(bool use);
    void setLineWidth(int bytesPerLine);
    void setSize(int bits);
    void setVariableSize(int bits);
    void setViewMode(int mode);
    void setContent(const QVector<quint8> &bytes);
    QVector<quint8> content() const;
    int sizeInBits() const { return m_bits; }

private:
    void rebuild();

    QTableWidget *m_table = nullptr;
    QVector<quint8> m_bytes;
    int m_bits = 0;
    int m_lineWidth = 8;
    bool m_useApply = false;
};
