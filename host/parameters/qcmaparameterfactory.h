#pragma once

#include "qcmaparameter.h"

// Copies of parameters of any kind.
class ZELCORE_EXPORT QcmaParameterFactory
{
public:
    // A new copy the caller owns, or null for a null parameter.
    static QcmaParameter *createCopy(const QcmaParameter *parameter);
};
