#pragma once

#include <QMap>
#include <QPointer>

#include "uihelper.h"

class QAbstractButton;
class QGroupBox;

// What the enumeration bindings on buttons share: one button per enumerator value, checked for the
// current value, enabled while its value may be chosen, named after the value while it has no text of
// its own; a press writes the button's value.
class ZELBASE_EXPORT UiHelper_Enum_Buttons : public UiHelper
{
    Q_OBJECT
public:
    ~UiHelper_Enum_Buttons() override;

    void QcmaParameter_Changed(QcmaParameter &parameter) override;
    void UpdateActiveWidgets() override;
    void UpdateText() override;

protected:
    // sourceFile (__FILE__ of the concrete binding) is the file its reports name.
    UiHelper_Enum_Buttons(zelServerManager *manager, QGroupBox *groupBox, const char *sourceFile);

    // Puts button in value's place; the button it replaces loses its connections to this binding.
    void setButton(int value, QAbstractButton *button);
    QAbstractButton *buttonOf(int value) const { return m_buttons.value(value); }
    const QMap<int, QPointer<QAbstractButton>> &buttons() const { return m_buttons; }

    // Checks the button of value alone, or none when the value is undefined.
    virtual void showValue(int value, bool defined);
    // Whether the binding holds a value of a kind the buttons show.
    bool holdsEnumerable() const;
    bool isCurrentValue(int value) const;
    // Writes value through a copy of the held parameter.
    void writeValue(int value);

    QPointer<QGroupBox> m_groupBox;

private:
    const char *m_sourceFile = nullptr;
    QMap<int, QPointer<QAbstractButton>> m_buttons;
};
