#include "uihelper_settext_combobox.h"

#include <memory>

#include <QComboBox>

#include "host/diagnostics/zeldiagnostics.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameterfactory.h"
#include "host/parameters/qcmaparameteruint.h"

namespace {
// More values than any combo box of the tester lists: such a range is a binding mistake.
constexpr qint64 maxItems = 4096;
} // namespace

UiHelper_SetText_ComboBox::UiHelper_SetText_ComboBox(zelServerManager *manager, QComboBox *combo,
                                                     const QStringList &texts, int sid, int strategy)
    : UiHelper(manager), m_combo(combo), m_list(texts)
{
    if (m_combo) {
        connect(m_combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &UiHelper_SetText_ComboBox::slotcurrentIndexChanged);
    }
    SetHelperWidgetActive(m_combo, true, true);
    UpdateText();
    setSID_QcmaParameter(sid, strategy);
}

UiHelper_SetText_ComboBox::~UiHelper_SetText_ComboBox()
{
    if (m_combo) {
        disconnect(m_combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                   &UiHelper_SetText_ComboBox::slotcurrentIndexChanged);
    }
}

void UiHelper_SetText_ComboBox::setTextList(const QStringList &texts)
{
    m_list = texts;
    if (QcmaParameter *parameter = QcmaParameter_Get())
        QcmaParameter_Changed(*parameter);
}

QString UiHelper_SetText_ComboBox::GetText_List(int value) const
{
    ZEL_ASSERT_TEXT(value >= 0 && m_list.count() > value, "(m_list.count() > index)",
                    QStringLiteral("UiHelper_SetText_ComboBox::GetText_List, index is out of range: %1").arg(value));
    return (value >= 0 && value < m_list.count()) ? m_list.at(value) : QString::number(value);
}

void UiHelper_SetText_ComboBox::QcmaParameter_Changed(QcmaParameter &qcmaParam)
{
    ZEL_ASSERT_TEXT(static_cast<const void *>(&qcmaParam) != nullptr, "((void*)&qcmaParam != 0 )",
                    QStringLiteral("qcmaParam is 0"));
    if (!m_combo)
        return;
    switch (qcmaParam.getType()) {
    case QcmaParameter::TypeEnum: {
        const auto *enumeration = dynamic_cast<const QcmaParameterEnum *>(&qcmaParam);
        if (!enumeration)
            break;
        const int current = enumeration->getValue();
        m_fillingCombo = true;
        m_combo->clear();
        m_values.clear();
        int selected = -1;
        for (qint64 v = enumeration->minimum(); v <= enumeration->maximum(); ++v) {
            if (!enumeration->isEnumActive(int(v)))
                continue;
            if (v == current)
                selected = m_combo->count();
            m_values.append(int(v));
            m_combo->addItem(GetText_List(int(v)), QVariant());
        }
        // An inactive current value leaves nothing selected.
        m_combo->setCurrentIndex(selected);
        m_fillingCombo = false;
        break;
    }
    case QcmaParameter::TypeInt: {
        const auto *number = dynamic_cast<const QcmaParameterInt *>(&qcmaParam);
        if (!number)
            break;
        m_fillingCombo = true;
        fillRange(number->minimum(), number->maximum());
        m_combo->setCurrentIndex(int(qint64(number->getValue()) - number->minimum()));
        m_fillingCombo = false;
        break;
    }
    case QcmaParameter::TypeUInt: {
        const auto *number = dynamic_cast<const QcmaParameterUInt *>(&qcmaParam);
        if (!number)
            break;
        m_fillingCombo = true;
        fillRange(number->minimum(), number->maximum());
        m_combo->setCurrentIndex(int(qint64(number->getValue()) - qint64(number->minimum())));
        m_fillingCombo = false;
        break;
    }
    default:
        ZEL_FATAL(QStringLiteral("Incorrect qcmaparameter type=%1 for UiHelper_SetText_ComboBox(sid=%2)")
                      .arg(qcmaParam.getType())
                      .arg(uint(getSID()), 0, 16));
        break;
    }
}

void UiHelper_SetText_ComboBox::fillRange(qint64 minimum, qint64 maximum)
{
    m_combo->clear();
    m_values.clear();
    if (maximum - minimum >= maxItems) {
        ZEL_FATAL(QStringLiteral("Range %1..%2 too large for UiHelper_SetText_ComboBox(sid=%3)")
                      .arg(minimum)
                      .arg(maximum)
                      .arg(uint(getSID()), 0, 16));
        return;
    }
    for (qint64 v = minimum; v <= maximum; ++v) {
        m_values.append(int(v));
        m_combo->addItem(GetText_List(int(v)), QVariant());
    }
}

void UiHelper_SetText_ComboBox::slotcurrentIndexChanged(int index)
{
    if (m_fillingCombo || index < 0 || index >= m_values.size())
        return;
    const QcmaParameter *held = QcmaParameter_Get();
    if (!held)
        return;
    const std::unique_ptr<QcmaParameter> qcmaParam(QcmaParameterFactory::createCopy(held));
    ZEL_ASSERT_TEXT(qcmaParam != nullptr, "((void*)qcmaParam != 0)", QStringLiteral("qcmaParam is 0"));
    if (!qcmaParam)
        return;
    auto *signedCopy = dynamic_cast<QcmaParameterInt *>(qcmaParam.get());
    auto *unsignedCopy = dynamic_cast<QcmaParameterUInt *>(qcmaParam.get());
    switch (held->getType()) {
    case QcmaParameter::TypeInt:
    case QcmaParameter::TypeEnum:
        if (signedCopy)
            signedCopy->setValue(m_values.at(index));
        break;
    case QcmaParameter::TypeUInt:
        if (unsignedCopy)
            unsignedCopy->setValue(uint(m_values.at(index)));
        break;
    default:
        ZEL_FATAL(QStringLiteral("Incorrect qcmaparameter type=%1 for slotcurrentIndexChanged(sid=%2)")
                      .arg(qcmaParam->getType())
                      .arg(uint(getSID()), 0, 16));
        break;
    }
    QcmaParameter_SetValue(qcmaParam.get(), false);
}
