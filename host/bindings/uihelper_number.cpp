#include "uihelper_number.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPointer>
#include <cmath>

#include "host/diagnostics/zeldiagnostics.h"
#include "host/parameters/qcmaparameterdouble.h"
#include "host/parameters/qcmaparameterfactory.h"
#include "host/parameters/qcmaparameterint.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/server/zelservermanager.h"
#include "host/widgets/qzelnumpaddlg.h"

namespace {
bool isNumber(const QcmaParameter &parameter)
{
    switch (parameter.getType()) {
    case QcmaParameter::TypeInt:
    case QcmaParameter::TypeEnum:
    case QcmaParameter::TypeUInt:
    case QcmaParameter::TypeDouble:
        return true;
    default:
        return false;
    }
}
} // namespace

UiHelper_Number::UiHelper_Number(zelServerManager *manager, QAbstractButton *button, QLabel *nameLabel,
                                 QLabel *unitLabel, int sid, int strategy)
    : UiHelper(manager), m_button(button), m_nameLabel(nameLabel), m_unitLabel(unitLabel)
{
    if (m_button) {
        connect(m_button.data(), &QAbstractButton::clicked, this, &UiHelper_Number::clicked);
        SetHelperWidgetActive(m_button, true, true);
    }
    SetHelperWidgetActive(m_nameLabel, true, false);
    SetHelperWidgetActive(m_unitLabel, true, false);
    setSID_QcmaParameter(sid, strategy);
    UpdateText();
    UpdateActiveWidgets();
}

UiHelper_Number::~UiHelper_Number()
{
    if (m_button)
        disconnect(m_button.data(), nullptr, this, nullptr);
}

QString UiHelper_Number::valueText(const QcmaParameter &parameter)
{
    if (!parameter.isDefined())
        return QString();
    switch (parameter.getType()) {
    case QcmaParameter::TypeInt:
    case QcmaParameter::TypeEnum:
        return QString::number(parameter.getInt());
    case QcmaParameter::TypeUInt:
        return QString::number(parameter.getUInt());
    case QcmaParameter::TypeDouble:
        return QString::number(parameter.getDouble(), 'f',
                               qMax(0, static_cast<const QcmaParameterDouble &>(parameter).decimals()));
    default:
        return QString();
    }
}

void UiHelper_Number::QcmaParameter_Changed(QcmaParameter &parameter)
{
    if (!isNumber(parameter)) {
        ZEL_FATAL(QStringLiteral("Incorrect qcmaparameter type=%1 for UiHelper_Number(sid=%2)")
                      .arg(parameter.getType())
                      .arg(uint(getSID()), 0, 16));
        return;
    }
    if (m_button)
        m_button->setText(valueText(parameter));
}

void UiHelper_Number::UpdateText()
{
    if (m_nameLabel)
        m_nameLabel->setText(GetText_Name());
    if (m_unitLabel)
        m_unitLabel->setText(GetText_Unit());
}

void UiHelper_Number::clicked()
{
    const QcmaParameter *current = QcmaParameter_Get();
    if (m_updating || !current || !isNumber(*current))
        return;

    int inputType = QzelNumpadDlg::Integer;
    double minimum = 0;
    double maximum = 0;
    switch (current->getType()) {
    case QcmaParameter::TypeUInt: {
        const auto &p = static_cast<const QcmaParameterUInt &>(*current);
        inputType = QzelNumpadDlg::Unsigned;
        minimum = p.minimum();
        maximum = p.maximum();
        break;
    }
    case QcmaParameter::TypeDouble: {
        const auto &p = static_cast<const QcmaParameterDouble &>(*current);
        inputType = QzelNumpadDlg::Decimal;
        minimum = p.minimum();
        maximum = p.maximum();
        break;
    }
    default: {
        const auto &p = static_cast<const QcmaParameterInt &>(*current);
        minimum = p.minimum();
        maximum = p.maximum();
        break;
    }
    }

    // Parented to the button (so it opens over it); a QPointer because the button may go first.
    QPointer<QzelNumpadDlg> pad = new QzelNumpadDlg(inputType, m_button);
    if (current->getType() == QcmaParameter::TypeDouble)
        pad->setDecimals(static_cast<const QcmaParameterDouble &>(*current).decimals());
    pad->setMinimum(minimum);
    pad->setMaximum(maximum);
    pad->setText(valueText(*current));
    pad->setTitle(GetText_Name());
    const int result = serverManager() ? serverManager()->executeQzelDialog(pad.data()) : pad->exec();
    bool ok = false;
    const double entered = pad ? pad->value(&ok) : 0.0;
    delete pad.data();
    if (result != 1 || !ok)
        return;

    // The binding may have seen a new value while the keypad was open: copy what it holds now.
    current = QcmaParameter_Get();
    const std::unique_ptr<QcmaParameter> copy = QcmaParameterFactory::createCopy(current);
    ZEL_ASSERT_TEXT(copy, "(void*)qcmaParam != 0", QStringLiteral("qcmaParam is 0"));
    if (!copy)
        return;
    switch (copy->getType()) {
    case QcmaParameter::TypeUInt:
        static_cast<QcmaParameterUInt *>(copy.get())->setValue(uint(entered));
        break;
    case QcmaParameter::TypeDouble:
        static_cast<QcmaParameterDouble *>(copy.get())->setValue(entered);
        break;
    case QcmaParameter::TypeInt:
    case QcmaParameter::TypeEnum:
        static_cast<QcmaParameterInt *>(copy.get())->setValue(int(std::llround(entered)));
        break;
    default:
        return;
    }
    copy->setDefined(true);
    QcmaParameter_SetValue(copy.get(), false);
}
