#include "qcmaparameterfactory.h"

QcmaParameter *QcmaParameterFactory::createCopy(const QcmaParameter *parameter)
{
    return parameter ? parameter->clone() : nullptr;
}
