#pragma once

#include "host/pages/qzeldialog.h"

class QLineEdit;

// The on-screen keyboard: edits one line of text of at most maximumLength characters.
class ZELBASE_EXPORT QzelQwertyDlg : public QzelDialog
{
    Q_OBJECT
public:
    explicit QzelQwertyDlg(QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const;
    void setMaximumLength(int length);
    int maximumLength() const;

private:
    void press(const QString &key);

    QLineEdit *m_edit = nullptr;
};
