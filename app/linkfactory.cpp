#include "linkfactory.h"

#include "clientoptions.h"
#include "host/link/remoteserverlink.h"
#include "simulator/simulatedserverlink.h"

std::unique_ptr<ServerLink> LinkFactory::create(const ClientOptions &options)
{
    if (!options.server.isEmpty()) {
        const int colon = options.server.lastIndexOf(QLatin1Char(':'));
        auto remote = std::make_unique<RemoteServerLink>(options.server.left(colon), options.server.mid(colon + 1).toUShort());
        // The session needs the tester's catalogue and ports before it builds anything on them.
        remote->waitForConnected(connectTimeoutMs);
        return remote;
    }
    SimulatorOptions tester;
    tester.portCount = options.portCount;
    tester.moduleTypes = options.moduleTypes;
    tester.structure = options.structure;
    tester.seed = options.seed;
    return std::make_unique<SimulatedServerLink>(tester);
}
