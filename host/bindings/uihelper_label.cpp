#include "uihelper_label.h"

#include <memory>

#include <QEvent>
#include <QLabel>

#include "host/catalogue/parametercatalogue.h"
#include "host/parameters/qcmaparameterdouble.h"
#include "host/server/zelservermanager.h"
#include "host/texts/widgettext.h"

namespace {
constexpr int terminologies = 3;
const char undefinedText[] = "--";
} // namespace

UiHelper_Label::UiHelper_Label(zelServerManager *manager, QLabel *valueLabel, QLabel *nameLabel, QLabel *unitLabel,
                               int sid, quint32 intervalSelector, int strategy, int formatType)
    : UiHelper(manager), m_valueLabel(valueLabel), m_nameLabel(nameLabel), m_unitLabel(unitLabel),
      m_selector(intervalSelector), m_formatType(formatType)
{
    SetHelperWidgetActive(m_valueLabel, true, false);
    SetHelperWidgetActive(m_nameLabel, true, false);
    SetHelperWidgetActive(m_unitLabel, true, false);
    setSID_QcmaParameter(sid, strategy);
    if (m_valueLabel && serverManager()) {
        if (const ParameterDefinition *definition = serverManager()->catalogue().findBySid(sid))
            m_extremeTexts = extremeTexts(*definition, sid, m_formatType);
        // A new font or style changes the room the texts need.
        m_valueLabel->installEventFilter(this);
        reserveValueWidth();
    }
    UpdateText();
    UpdateActiveWidgets();
}

QString UiHelper_Label::formatValue(const WidgetText &texts, const QcmaParameter &parameter, int terminology,
                                    int formatType)
{
    if (!parameter.isDefined())
        return QString::fromLatin1(undefinedText);
    const bool hex = formatType == FormatHex;
    switch (parameter.getType()) {
    case QcmaParameter::TypeInt:
        if (hex)
            return QString::number(uint(parameter.getInt()), 16).toUpper();
        return QString::number(parameter.getInt());
    case QcmaParameter::TypeEnum:
        if (hex)
            return QString::number(uint(parameter.getInt()), 16).toUpper();
        return texts.getValueName(parameter.getSID(), parameter.getEnum(), terminology);
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

QLabel *UiHelper_Label::valueLabel() const
{
    return m_valueLabel;
}

void UiHelper_Label::QcmaParameter_Changed(QcmaParameter &parameter)
{
    if (m_valueLabel)
        m_valueLabel->setText(formatValue(texts(), parameter, terminology(), m_formatType));
}

void UiHelper_Label::UpdateText()
{
    if (m_nameLabel)
        m_nameLabel->setText(GetText_Name());
    if (m_unitLabel)
        m_unitLabel->setText(GetText_Unit());
}

QStringList UiHelper_Label::extremeTexts(const ParameterDefinition &definition, int sid, int formatType)
{
    QStringList texts{QString::fromLatin1(undefinedText)};
    const auto add = [&texts](const QString &text) {
        if (!text.isEmpty() && !texts.contains(text))
            texts.append(text);
    };
    if (definition.kind == QcmaParameter::TypeEnum && formatType != FormatHex) {
        for (const ParameterDefinition::Enumerator &e : definition.enumerators) {
            for (int terminology = 0; terminology < terminologies; ++terminology)
                add(definition.valueName(e.value, terminology));
        }
        return texts;
    }
    std::unique_ptr<QcmaParameter> value(definition.createParameter(sid));
    if (!value)
        return texts;
    // Numbers and bytes from here on: no value names are needed.
    const WidgetText noNames;
    value->setDefined(true);
    switch (definition.kind) {
    case QcmaParameter::TypeByteArray:
        if (definition.length > 0 && value->setValue(QByteArray(definition.length, char(0xFF))))
            add(formatValue(noNames, *value, 0, formatType));
        break;
    case QcmaParameter::TypeBitArray:
        add(formatValue(noNames, *value, 0, formatType));
        break;
    default:
        for (double end : {definition.minimum, definition.maximum}) {
            if (value->setValue(end))
                add(formatValue(noNames, *value, 0, formatType));
        }
        break;
    }
    return texts;
}

void UiHelper_Label::reserveValueWidth()
{
    if (!m_valueLabel || m_extremeTexts.isEmpty())
        return;
    const QFontMetrics metrics = m_valueLabel->fontMetrics();
    int widest = 0;
    for (const QString &text : qAsConst(m_extremeTexts))
        widest = qMax(widest, metrics.horizontalAdvance(text));
    // The frame, the contents margins and the label's own margin and indent sit around the text.
    const int around = m_valueLabel->width() - m_valueLabel->contentsRect().width();
    int indent = m_valueLabel->indent();
    if (indent < 0)
        indent = m_valueLabel->frameWidth() > 0 ? metrics.horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    const int needed = widest + around + 2 * m_valueLabel->margin() + indent;
    if (m_valueLabel->minimumWidth() < needed)
        m_valueLabel->setMinimumWidth(needed);
}

bool UiHelper_Label::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_valueLabel && (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange))
        reserveValueWidth();
    return UiHelper::eventFilter(watched, event);
}
