#pragma once

#include <memory>

#include <QVector>

#include "host/widgets/qzeldialog.h"

class QTableWidgetItem;

namespace Ui {
class QcmaPatternEditDlg;
}

// The hex byte editor: a fixed-size block of bytes (size in bits) edited as two hex digits each.
class ZELBASE_EXPORT QcmaPatternEditDlg : public QzelDialog
{
    Q_OBJECT
public:
    // controls and tabs are the caller's layout wishes; the editor has one layout and keeps them.
    QcmaPatternEditDlg(int controls, int tabs, QWidget *parent = nullptr);
    ~QcmaPatternEditDlg() override;

    void useApply(bool use);
    void setLineWidth(int bytesPerLine);
    int lineWidth() const { return m_lineWidth; }
    // The block's size; content is cut or filled with 00 to it.
    void setSize(int bits);
    // Largest size a variable block may take; the editor keeps the block at its fixed size.
    void setVariableSize(int bits);
    int variableSizeInBits() const { return m_variableBits; }
    void setViewMode(int mode);
    int viewMode() const { return m_viewMode; }
    int controls() const { return m_controls; }
    int tabs() const { return m_tabs; }
    void setContent(const QVector<quint8> &bytes);
    QVector<quint8> content() const;
    int sizeInBits() const { return m_bits; }
    int byteCount() const { return m_bytes.size(); }

signals:
    // Apply pressed (with useApply): the content as it stands.
    void applied(const QVector<quint8> &bytes);

private:
    void rebuild();
    void fill(quint8 byte);
    void itemChanged(QTableWidgetItem *item);

    std::unique_ptr<Ui::QcmaPatternEditDlg> ui;
    QVector<quint8> m_bytes;
    int m_bits = 0;
    int m_variableBits = 0;
    int m_lineWidth = 8;
    int m_viewMode = 0;
    int m_controls = 0;
    int m_tabs = 0;
    bool m_useApply = false;
    bool m_filling = false;
};
