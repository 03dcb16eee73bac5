#include <mirobanth/core/Console.h>
#include <mirobanth/core/NetLibrary.h>
#include <mirobanth/core/NetLibraryDefault.h>

#include "VendorAddresses.h"

namespace mirobanth::core {

NetLibraryInterface* NetLibrary::sharedNetClient = nullptr;

NetLibrary::NetLibrary() : NetLibrary("mirobanth:undefined") {}

NetLibrary::NetLibrary(std::string url) : Library("mirobanth:net"), endpointUrl(std::move(url)) {}

void NetLibrary::setUrl(std::string url) { endpointUrl = std::move(url); }

std::string NetLibrary::getUrl() const { return endpointUrl; }

std::string NetLibrary::url() const { return endpointUrl; }

void NetLibrary::setNetClient(NetLibraryInterface* newClient) { client = newClient; }

NetLibraryInterface* NetLibrary::getNetClient() const { return client; }

NetLibraryInterface* NetLibrary::netClient() const { return client; }

void NetLibrary::install(NetLibraryInterface* client) {
    if (sharedNetClient) Console::warn("client already installed");
    sharedNetClient = client;
}

NetLibraryInterface* NetLibrary::getSharedNetClient() { return sharedNetClient; }

void NetLibrary::test() {
    install(new NetLibraryDefault());
    NetLibrary library(std::string(APPLICATION_SERVER_URL) + "/api/netlibrary");
}

}  // namespace mirobanth::core
