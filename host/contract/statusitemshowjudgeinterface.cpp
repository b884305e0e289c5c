#include "statusitemshowjudgeinterface.h"

StatusItemShowJudgeInterface::~StatusItemShowJudgeInterface() = default;
