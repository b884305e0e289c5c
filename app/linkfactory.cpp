#include "linkfactory.h"

#include "clientoptions.h"
#include "simulator/simulatedserverlink.h"

std::unique_ptr<ServerLink> LinkFactory::create(const ClientOptions &options)
{
    SimulatorOptions tester;
    tester.portCount = options.portCount;
    tester.moduleTypes = options.moduleTypes;
    tester.structure = options.structure;
    tester.seed = options.seed;
    return std::make_unique<SimulatedServerLink>(tester);
}
