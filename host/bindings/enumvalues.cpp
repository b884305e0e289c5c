#include "enumvalues.h"

#include "host/parameters/qcmaparameterenum.h"

bool EnumValues::isSelectable(const QcmaParameter *parameter, int value)
{
    if (!parameter)
        return false;
    if (parameter->getType() == QcmaParameter::TypeEnum)
        return static_cast<const QcmaParameterEnum *>(parameter)->isEnumActive(value);
    if (parameter->getType() == QcmaParameter::TypeInt) {
        const auto *integer = static_cast<const QcmaParameterInt *>(parameter);
        return value >= integer->minimum() && value <= integer->maximum();
    }
    return false;
}

bool EnumValues::isEnumerable(const QcmaParameter &parameter)
{
    return parameter.getType() == QcmaParameter::TypeEnum || parameter.getType() == QcmaParameter::TypeInt;
}
