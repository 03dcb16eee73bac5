#pragma once

#include <mirobanth/application/ApplicationExport.h>
#include <mirobanth/application/platform/DataAccess.h>

namespace mirobanth::application {

// Where connections come from. Each call hands out a new connection that
// belongs to the caller (delete it as a ConnectionImpl).
class MIROBANTH_APPLICATION_API DataSource {
public:
    DataSource() = default;
    DataSource& operator=(const DataSource&) = default;

    Connection* getConnection();

    // Runs one query from connection to column; writes and releases nothing.
    static void test();
};

}  // namespace mirobanth::application
