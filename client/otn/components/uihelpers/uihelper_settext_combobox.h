#pragma once

#include <QList>
#include <QPointer>
#include <QStringList>

#include "client/otn/otnexport.h"
#include "host/bindings/uihelper.h"

class QComboBox;

// Binds an integer, unsigned or enumeration parameter to a combo box whose item texts come from a list the
// page supplies (entry v is the text of value v), not from the host's text catalogue. An enumeration shows
// its active values only.
class ZELOTN_EXPORT UiHelper_SetText_ComboBox : public UiHelper
{
    Q_OBJECT
public:
    UiHelper_SetText_ComboBox(zelServerManager *manager, QComboBox *combo, const QStringList &texts, int sid,
                              int strategy);
    ~UiHelper_SetText_ComboBox() override;

    // Replaces the texts and refills the combo from the current value.
    void setTextList(const QStringList &texts);
    // The text of value; reported when the list has none (the item then shows the number).
    QString GetText_List(int value) const;
    // The parameter value behind each item, in item order.
    QList<int> values() const { return m_values; }

    void QcmaParameter_Changed(QcmaParameter &parameter) override;

protected slots:
    void slotcurrentIndexChanged(int index);

private:
    // Items from minimum to maximum; guards against a range no combo could list.
    void fillRange(qint64 minimum, qint64 maximum);

    QPointer<QComboBox> m_combo;
    QStringList m_list;
    QList<int> m_values;
    bool m_fillingCombo = false;
};
