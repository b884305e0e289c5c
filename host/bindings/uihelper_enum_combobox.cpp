#include "uihelper_enum_combobox.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QScopedValueRollback>

#include "host/diagnostics/zeldiagnostics.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameterfactory.h"
#include "host/texts/widgettext.h"

UiHelper_Enum_ComboBox::UiHelper_Enum_ComboBox(zelServerManager *manager, QComboBox *combo, QLabel *nameLabel,
                                               QLabel *unitLabel, QGroupBox *groupBox, int sid, int strategy)
    : UiHelper(manager), m_combo(combo), m_nameLabel(nameLabel), m_unitLabel(unitLabel), m_groupBox(groupBox)
{
    ZEL_ASSERT_TEXT(combo, "combo != 0", QStringLiteral("no combo box for sid=%1").arg(uint(sid), 0, 16));
    if (m_combo) {
        // The items follow the server's active values, usually after the combo was first shown: its
        // size follows them, so that no name is cut.
        m_combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        connect(m_combo.data(), QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &UiHelper_Enum_ComboBox::currentIndexChanged);
        SetHelperWidgetActive(m_combo, true, true);
    }
    SetHelperWidgetActive(m_nameLabel, true, false);
    SetHelperWidgetActive(m_unitLabel, true, false);
    SetHelperWidgetActive(m_groupBox, true, false);
    setSID_QcmaParameter(sid, strategy);
    UpdateText();
    UpdateActiveWidgets();
}

UiHelper_Enum_ComboBox::~UiHelper_Enum_ComboBox()
{
    if (m_combo)
        disconnect(m_combo.data(), nullptr, this, nullptr);
}

QComboBox *UiHelper_Enum_ComboBox::comboBox() const
{
    return m_combo;
}

void UiHelper_Enum_ComboBox::QcmaParameter_Changed(QcmaParameter &parameter)
{
    if (!m_combo)
        return;
    if (parameter.getType() != QcmaParameter::TypeEnum) {
        ZEL_FATAL(QStringLiteral("Incorrect qcmaparameter type=%1 for UiHelper_Enum_ComboBox(sid=%2)")
                      .arg(parameter.getType())
                      .arg(uint(getSID()), 0, 16));
        return;
    }
    const auto &enumeration = static_cast<const QcmaParameterEnum &>(parameter);
    const int current = enumeration.getEnum();
    const WidgetText names = texts();
    QVector<int> values;
    QStringList texts;
    int selected = -1;
    for (int v = enumeration.minimum(); v <= enumeration.maximum(); ++v) {
        if (enumeration.isEnumActive(v)) {
            if (v == current)
                selected = values.size();
            values.append(v);
            texts.append(names.getValueName(getSID(), v, terminology()));
        }
        if (v == enumeration.maximum())
            break;   // the loop must not step past INT_MAX
    }
    QScopedValueRollback<bool> guard(m_updating, true);
    // Same items (the common case of a new value): only the selection moves. This also keeps the combo
    // from being cleared inside its own change signal when a dialog shows a pending value.
    bool sameItems = values == m_values && m_combo->count() == texts.size();
    for (int i = 0; sameItems && i < texts.size(); ++i)
        sameItems = m_combo->itemText(i) == texts.at(i);
    if (!sameItems) {
        m_combo->clear();
        m_values = values;
        for (int i = 0; i < values.size(); ++i)
            m_combo->addItem(texts.at(i), values.at(i));
    }
    // An undefined value or an inactive current enumerator selects nothing.
    m_combo->setCurrentIndex(parameter.isDefined() ? selected : -1);
}

void UiHelper_Enum_ComboBox::UpdateText()
{
    if (m_nameLabel)
        m_nameLabel->setText(GetText_Name());
    if (m_unitLabel)
        m_unitLabel->setText(GetText_Unit());
}

void UiHelper_Enum_ComboBox::currentIndexChanged(int index)
{
    if (m_updating || index < 0 || index >= m_values.size())
        return;
    const QcmaParameter *current = QcmaParameter_Get();
    if (!current)
        return;
    const std::unique_ptr<QcmaParameter> copy = QcmaParameterFactory::createCopy(current);
    ZEL_ASSERT_TEXT(copy, "(void*)qcmaParam != 0", QStringLiteral("qcmaParam is 0"));
    if (!copy)
        return;
    static_cast<QcmaParameterInt *>(copy.get())->setValue(m_values.at(index));
    copy->setDefined(true);
    QcmaParameter_SetValue(copy.get(), false);
}
