#pragma once

#include <mirobanth/core/CoreExport.h>
#include <mirobanth/core/Library.h>
#include <mirobanth/core/NetLibraryInterface.h>

#include <string>

namespace mirobanth::core {

// A Library that stands for a network endpoint: a url and a borrowed client.
// Calls go through the placeholder dispatch of Library, so no traffic is
// produced yet. One client can be installed for the whole process.
class MIROBANTH_CORE_API NetLibrary : public Library {
public:
    NetLibrary();
    explicit NetLibrary(std::string url);

    void setUrl(std::string url);
    std::string getUrl() const;
    std::string url() const;

    void setNetClient(NetLibraryInterface* client);
    NetLibraryInterface* getNetClient() const;
    NetLibraryInterface* netClient() const;

    // Makes client the process-wide shared client, warning when it replaces
    // another. The old client is not released: whoever installed it owns it.
    static void install(NetLibraryInterface* client);
    static NetLibraryInterface* getSharedNetClient();

    static void test();

private:
    static NetLibraryInterface* sharedNetClient;

    std::string endpointUrl;
    NetLibraryInterface* client = nullptr;
};

}  // namespace mirobanth::core
