#pragma once

#include "host/pages/qzeldialog.h"

class QLineEdit;
class QLabel;

// The numeric keypad: digit buttons, sign and point as the input type allows, range shown and
// enforced; OK is enabled only for a number within minimum..maximum.
class ZELBASE_EXPORT QzelNumpadDlg : public QzelDialog
{
    Q_OBJECT
public:
    enum InputType { Integer = 0, Unsigned = 1, Decimal = 2, Hexadecimal = 3 };

    explicit QzelNumpadDlg(int inputType = Integer, QWidget *parent = nullptr);

    void setMinimum(double minimum);
    void setMaximum(double maximum);
    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }
    void setText(const QString &text);
    QString text() const;
    void setTitle(const QString &title);
    int inputType() const { return m_inputType; }
    // The entered text read as a number of the input type; ok tells whether it is one within range.
    double value(bool *ok = nullptr) const;

private:
    void press(const QString &key);
    void updateOk();

    int m_inputType = Integer;
    double m_minimum = -2147483648.0;
    double m_maximum = 2147483647.0;
    QLineEdit *m_edit = nullptr;
    QLabel *m_range = nullptr;
    QWidget *m_okButton = nullptr;
};
