#include "sublayerjudgeinterface.h"

SubLayerJudgeInterface::~SubLayerJudgeInterface() = default;
