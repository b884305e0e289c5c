#pragma once

#include <QPointer>
#include <QVector>

#include "uihelper.h"

class QComboBox;
class QGroupBox;
class QLabel;

// An enumeration parameter on a combo box: one item per active enumerator, named by the catalogue in
// the binding's terminology; the user's choice is written back. Caption and unit labels show the
// parameter's name and unit; the group box (optional) is enabled with the binding.
class ZELBASE_EXPORT UiHelper_Enum_ComboBox : public UiHelper
{
    Q_OBJECT
public:
    UiHelper_Enum_ComboBox(zelServerManager *manager, QComboBox *combo, QLabel *nameLabel, QLabel *unitLabel,
                           QGroupBox *groupBox, int sid, int strategy = ConnectManually);
    ~UiHelper_Enum_ComboBox() override;

    QComboBox *comboBox() const;
    // The enumerator behind each item, in item order.
    QVector<int> itemValues() const { return m_values; }

    void QcmaParameter_Changed(QcmaParameter &parameter) override;
    void UpdateText() override;

private slots:
    void currentIndexChanged(int index);

private:
    QPointer<QComboBox> m_combo;
    QPointer<QLabel> m_nameLabel;
    QPointer<QLabel> m_unitLabel;
    QPointer<QGroupBox> m_groupBox;
    QVector<int> m_values;
};
