#pragma once

#include <memory>

class ServerLink;
struct ClientOptions;

// The one place that turns the command line into a connection to a server: the embedded simulated
// tester, or a tester over the network (--server).
namespace LinkFactory {
// How long the client waits for a remote tester at start.
constexpr int connectTimeoutMs = 10 * 1000;
std::unique_ptr<ServerLink> create(const ClientOptions &options);
} // namespace LinkFactory
