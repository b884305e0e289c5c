#pragma once

class zelServerManager;

// The port a panel or result page serves and the server manager it talks through.
struct ClientInfo
{
    int port = 0;
    zelServerManager *serverManager = nullptr;
};
