#include "uihelper_screenvalue.h"

#include <QBitArray>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSpinBox>

#include "clientlogging.h"
#include "host/parameters/qcmaparameter.h"

UiHelper_ScreenValue::UiHelper_ScreenValue(zelServerManager *manager, QWidget *widget, int sid, int strategy)
    : UiHelper(manager), m_widget(widget)
{
    if (auto *box = qobject_cast<QCheckBox *>(widget))
        connect(box, &QCheckBox::toggled, this, &UiHelper_ScreenValue::userChanged);
    else if (auto *spin = qobject_cast<QAbstractSpinBox *>(widget))
        connect(spin, &QAbstractSpinBox::editingFinished, this, &UiHelper_ScreenValue::userChanged);
    else if (auto *line = qobject_cast<QLineEdit *>(widget))
        connect(line, &QLineEdit::editingFinished, this, &UiHelper_ScreenValue::userChanged);
    SetHelperWidgetActive(widget, true, true);
    setSID_QcmaParameter(sid, strategy);
}

void UiHelper_ScreenValue::QcmaParameter_Changed(QcmaParameter &parameter)
{
    if (auto *box = qobject_cast<QCheckBox *>(m_widget))
        box->setChecked(parameter.getEnum() != 0);
    else if (auto *spin = qobject_cast<QSpinBox *>(m_widget))
        spin->setValue(parameter.getType() == QcmaParameter::TypeUInt ? int(parameter.getUInt()) : parameter.getInt());
    else if (auto *number = qobject_cast<QDoubleSpinBox *>(m_widget))
        number->setValue(parameter.getDouble());
    else if (auto *line = qobject_cast<QLineEdit *>(m_widget))
        line->setText(toText(parameter));
}

QString UiHelper_ScreenValue::toText(const QcmaParameter &parameter)
{
    if (parameter.getType() == QcmaParameter::TypeBitArray) {
        const QBitArray bits = parameter.getBitArray();
        QString text;
        for (int i = 0; i < bits.size(); ++i)
            text += bits.testBit(i) ? QLatin1Char('1') : QLatin1Char('0');
        return text;
    }
    return QString::fromLatin1(parameter.getByteArray().toHex(' ').toUpper());
}

bool UiHelper_ScreenValue::fromText(const QString &text, int kind, QVariant *value)
{
    QString compact = text;
    compact.remove(QLatin1Char(' '));
    if (kind == QcmaParameter::TypeBitArray) {
        if (!QRegularExpression(QStringLiteral("^[01]*$")).match(compact).hasMatch())
            return false;
        QBitArray bits(compact.size());
        for (int i = 0; i < compact.size(); ++i)
            bits.setBit(i, compact.at(i) == QLatin1Char('1'));
        *value = bits;
        return true;
    }
    if (compact.size() % 2 != 0 || !QRegularExpression(QStringLiteral("^[0-9A-Fa-f]*$")).match(compact).hasMatch())
        return false;
    *value = QByteArray::fromHex(compact.toLatin1());
    return true;
}

void UiHelper_ScreenValue::userChanged()
{
    const QcmaParameter *current = QcmaParameter_Get();
    if (isUpdating() || !current)
        return;
    if (auto *box = qobject_cast<QCheckBox *>(m_widget)) {
        write(box->isChecked() ? 1 : 0);
    } else if (auto *spin = qobject_cast<QSpinBox *>(m_widget)) {
        write(spin->value());
    } else if (auto *number = qobject_cast<QDoubleSpinBox *>(m_widget)) {
        write(number->value());
    } else if (auto *line = qobject_cast<QLineEdit *>(m_widget)) {
        QVariant value;
        if (!fromText(line->text(), current->getType(), &value)) {
            qCWarning(lcClient).noquote() << QStringLiteral("Customised screen: \"%1\" is no value of parameter %2; "
                                                            "kept %3")
                                                 .arg(line->text())
                                                 .arg(getSID())
                                                 .arg(toText(*current));
            line->setText(toText(*current));
            return;
        }
        write(value);
    }
}

void UiHelper_ScreenValue::write(const QVariant &value)
{
    std::unique_ptr<QcmaParameter> copy = QcmaParameter_GetCopy();
    if (!copy || !copy->setValue(value))
        return;
    if (!copy->sameValue(*QcmaParameter_Get()))
        QcmaParameter_SetValue(copy.get(), false);
}
