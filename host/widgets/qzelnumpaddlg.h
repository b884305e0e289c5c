#pragma once

#include <memory>

#include "host/widgets/qzeldialog.h"

class QRegularExpressionValidator;

namespace Ui {
class QzelNumpadDlg;
}

// The numeric keypad: digit buttons, sign and point as the input type allows, range shown and
// enforced; OK is enabled only for a number within minimum..maximum.
class ZELBASE_EXPORT QzelNumpadDlg : public QzelDialog
{
    Q_OBJECT
public:
    // Type 1 edits hexadecimal digits (byte and word editors preset the text in hex and read it in hex).
    enum InputType { Integer = 0, Hexadecimal = 1, Decimal = 2, Unsigned = 3 };
    using Inp_Type = InputType;

    explicit QzelNumpadDlg(int inputType = Integer, QWidget *parent = nullptr);
    ~QzelNumpadDlg() override;

    void setMinimum(double minimum);
    void setMaximum(double maximum);
    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }
    // Digits allowed after the point (Decimal only).
    void setDecimals(int decimals);
    int decimals() const { return m_decimals; }
    void setText(const QString &text);
    QString text() const;
    void setTitle(const QString &title);
    int inputType() const { return m_inputType; }
    // The entered text read as a number of the input type; ok tells whether it is one within range.
    double value(bool *ok = nullptr) const;

    void accept() override;

private:
    void press(const QString &key);
    void updateOk();
    void updateRange();
    void updateKeys();
    QString numberText(double number) const;

    std::unique_ptr<Ui::QzelNumpadDlg> ui;
    QRegularExpressionValidator *m_validator = nullptr;
    int m_inputType = Integer;
    int m_decimals = 3;
    double m_minimum = -2147483648.0;
    double m_maximum = 2147483647.0;
    bool m_replaceOnKey = false;   // the first key replaces a preset value
};
