#include "uihelper_binarybuttons.h"

#include <QPushButton>

#include "host/server/zelservermanager.h"
#include "host/widgets/qzelnumpaddlg.h"

UiHelper_BinaryButtons::UiHelper_BinaryButtons(zelServerManager *manager, int sid, int strategy)
    : UiHelper_BinaryData(manager, 0)
{
    connect(this, &UiHelper_BinaryData::received, this, &UiHelper_BinaryButtons::dataChanged);
    connect(&m_mapper, &QSignalMapper::mappedInt, this, &UiHelper_BinaryButtons::buttonPressed);
    setSID_QcmaParameter(sid, strategy);
}

UiHelper_BinaryButtons::~UiHelper_BinaryButtons() = default;

void UiHelper_BinaryButtons::addButton(QPushButton *button)
{
    if (!button)
        return;
    m_buttons.append(button);
    m_mapper.setMapping(button, m_buttons.size() - 1);
    connect(button, &QPushButton::clicked, &m_mapper, QOverload<>::of(&QSignalMapper::map));
    SetHelperWidgetActive(button, true, true);
    updateButton(m_buttons.size() - 1);
    UpdateActiveWidgets();
}

QPushButton *UiHelper_BinaryButtons::button(int index) const
{
    return (index >= 0 && index < m_buttons.size()) ? m_buttons.at(index).data() : nullptr;
}

void UiHelper_BinaryButtons::updateButton(int index)
{
    QPushButton *b = button(index);
    if (!b)
        return;
    b->setText(index < m_data.size()
                   ? QStringLiteral("%1").arg(uint(quint8(m_data.at(index))), 2, 16, QLatin1Char('0')).toUpper()
                   : QString());
}

void UiHelper_BinaryButtons::dataChanged(const QByteArray &data)
{
    m_data = data;
    for (int i = 0; i < m_buttons.size(); ++i)
        updateButton(i);
}

void UiHelper_BinaryButtons::buttonPressed(int index)
{
    QPushButton *b = button(index);
    // A byte the parameter does not have (yet) cannot be edited.
    if (!b || index >= m_data.size() || !serverManager())
        return;
    QzelNumpadDlg keypad(QzelNumpadDlg::Hexadecimal, b);
    keypad.setMaximum(255);
    keypad.setText(b->text());
    keypad.setTitle(GetText_Name(false));
    if (serverManager()->executeQzelDialog(&keypad) != 1)
        return;
    bool ok = false;
    const uint value = keypad.text().toUInt(&ok, 16);
    m_data[index] = char(ok ? value & 0xFF : 0);
    // The button changes when the value comes back.
    send(m_data);
}
