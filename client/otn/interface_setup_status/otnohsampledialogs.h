#pragma once

#include <vector>

#include "host/contract/interfacesetuppagefactory.h"

class zelServerManager;

// The editors the overhead table opens from its cells, as the table of the port's transmit overhead fills
// them: SM, PM, TCMi on the line level and on the first lower level (when the structure has one), FTFL
// (when the signal has it) and APS/PCC.
namespace OtnOhSampleDialogs {

std::vector<SampleDialog> create(zelServerManager *manager, int port);

} // namespace OtnOhSampleDialogs
