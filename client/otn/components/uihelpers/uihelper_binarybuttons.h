#pragma once

#include <QList>
#include <QPointer>
#include <QSignalMapper>

#include "uihelper_binarydata.h"

class QPushButton;

// A byte-array parameter shown on a row of push buttons, one byte per button in two upper-case hexadecimal
// digits. Pressing a button edits its byte on the hexadecimal keypad and sends the whole array; the button
// shows the new byte when the value comes back.
class ZELOTN_EXPORT UiHelper_BinaryButtons : public UiHelper_BinaryData
{
    Q_OBJECT
public:
    UiHelper_BinaryButtons(zelServerManager *manager, int sid, int strategy);
    ~UiHelper_BinaryButtons() override;

    // Button i shows byte i; the button stays its owner's and is enabled while the value may be edited.
    void addButton(QPushButton *button);
    // Null when index is out of range.
    QPushButton *button(int index) const;
    int buttonCount() const { return m_buttons.size(); }
    // Shows byte index on its button; no text while the array has no such byte.
    void updateButton(int index);

private slots:
    void buttonPressed(int index);
    void dataChanged(const QByteArray &data);

private:
    QSignalMapper m_mapper;
    QList<QPointer<QPushButton>> m_buttons;
};
