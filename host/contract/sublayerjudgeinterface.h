#pragma once

#include "host/hostexport.h"

class QcmaParameter;

// Decides from a changed parameter whether the host offers a status page (a sub-layer page that only
// some signal structures have). The answer may depend on what the judge has seen before.
class ZELBASE_EXPORT SubLayerJudgeInterface
{
public:
    virtual ~SubLayerJudgeInterface();
    virtual bool judge(const QcmaParameter &parameter) = 0;
};
