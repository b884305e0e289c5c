#include "uihelper_label.h"

#include <QLabel>

#include "host/parameters/qcmaparameterdouble.h"
#include "host/texts/widgettext.h"

UiHelper_Label::UiHelper_Label(zelServerManager *manager, QLabel *valueLabel, QLabel *nameLabel, QLabel *unitLabel,
                               int sid, quint32 intervalSelector, int strategy, int formatType)
    : UiHelper(manager), m_valueLabel(valueLabel), m_nameLabel(nameLabel), m_unitLabel(unitLabel),
      m_selector(intervalSelector), m_formatType(formatType)
{
    SetHelperWidgetActive(m_valueLabel, true, false);
    SetHelperWidgetActive(m_nameLabel, true, false);
    SetHelperWidgetActive(m_unitLabel, true, false);
    setSID_QcmaParameter(sid, strategy);
    UpdateText();
    UpdateActiveWidgets();
}

QString UiHelper_Label::formatValue(const QcmaParameter &parameter, int terminology, int formatType)
{
    if (!parameter.isDefined())
        return QStringLiteral("--");
    const bool hex = formatType == FormatHex;
    switch (parameter.getType()) {
    case QcmaParameter::TypeInt:
        if (hex)
            return QString::number(uint(parameter.getInt()), 16).toUpper();
        return QString::number(parameter.getInt());
    case QcmaParameter::TypeEnum:
        if (hex)
            return QString::number(uint(parameter.getInt()), 16).toUpper();
        return WidgetText::instance()->getValueName(parameter.getSID(), parameter.getEnum(), terminology);
    case QcmaParameter::TypeUInt:
        return QString::number(parameter.getUInt(), hex ? 16 : 10).toUpper();
    case QcmaParameter::TypeDouble:
        return QString::number(parameter.getDouble(), 'f',
                               qMax(0, static_cast<const QcmaParameterDouble &>(parameter).decimals()));
    case QcmaParameter::TypeByteArray:
        return QString::fromLatin1(parameter.getByteArray().toHex(' ').toUpper());
    case QcmaParameter::TypeBitArray: {
        const QBitArray bits = parameter.getBitArray();
        QString text;
        text.reserve(bits.size());
        for (int i = 0; i < bits.size(); ++i)
            text.append(bits.testBit(i) ? QLatin1Char('1') : QLatin1Char('0'));
        return text;
    }
    default:
        return QString();
    }
}

void UiHelper_Label::QcmaParameter_Changed(QcmaParameter &parameter)
{
    if (m_valueLabel)
        m_valueLabel->setText(formatValue(parameter, terminology(), m_formatType));
}

void UiHelper_Label::UpdateText()
{
    if (m_nameLabel)
        m_nameLabel->setText(GetText_Name());
    if (m_unitLabel)
        m_unitLabel->setText(GetText_Unit());
}
