#pragma once

#include "qcmaparameter.h"

// Copies of parameters of any kind.
class ZELCORE_EXPORT QcmaParameterFactory
{
public:
    // A new copy, or null for a null parameter.
    static std::unique_ptr<QcmaParameter> createCopy(const QcmaParameter *parameter);
};
