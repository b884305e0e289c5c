#pragma once

#include <QPointer>

#include "uihelper.h"

class QAbstractButton;
class QLabel;

// A numeric parameter (int, unsigned, double) on an edit button: the button shows the value;
// pressing it opens the keypad within the parameter's range and writes the accepted number.
class ZELBASE_EXPORT UiHelper_Number : public UiHelper
{
    Q_OBJECT
public:
    UiHelper_Number(zelServerManager *manager, QAbstractButton *button, QLabel *nameLabel, QLabel *unitLabel,
                    int sid, int strategy = ConnectManually);
    ~UiHelper_Number() override;

    // The text the button shows for a parameter value (hex for byte-sized ranges is not implied).
    static QString valueText(const QcmaParameter &parameter);

    void QcmaParameter_Changed(QcmaParameter &parameter) override;
    void UpdateText() override;

private slots:
    void clicked();

private:
    QPointer<QAbstractButton> m_button;
    QPointer<QLabel> m_nameLabel;
    QPointer<QLabel> m_unitLabel;
};
