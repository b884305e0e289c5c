#pragma once

#include <vector>

#include "host/contract/interfacesetuppagefactory.h"

class zelServerManager;

// The overhead field editors as the overhead table opens them, filled with the transmit overhead the
// tester holds for one port: SM, PM with a structured and with a raw TTI, TCMi on the line level and on a
// lower level, and FTFL.
namespace OtnOhSampleDialogs {

std::vector<SampleDialog> create(zelServerManager *manager, int port);

} // namespace OtnOhSampleDialogs
