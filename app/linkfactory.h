#pragma once

#include <memory>

class ServerLink;
struct ClientOptions;

// The one place that turns the command line into a connection to a server: the embedded simulated
// tester today; another kind of link is one more branch here.
namespace LinkFactory {
std::unique_ptr<ServerLink> create(const ClientOptions &options);
} // namespace LinkFactory
