#include "qcmaparameterfactory.h"

std::unique_ptr<QcmaParameter> QcmaParameterFactory::createCopy(const QcmaParameter *parameter)
{
    return parameter ? parameter->clone() : nullptr;
}
