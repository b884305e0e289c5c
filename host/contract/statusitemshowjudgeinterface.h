#pragma once

#include "host/hostexport.h"

class QcmaParameter;

// Decides from a changed parameter whether the host shows one status item of a status page.
class ZELBASE_EXPORT StatusItemShowJudgeInterface
{
public:
    virtual ~StatusItemShowJudgeInterface();
    virtual bool isItemShown(const QcmaParameter &parameter) = 0;
};
