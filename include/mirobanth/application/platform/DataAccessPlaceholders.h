#pragma once

#include <mirobanth/application/ApplicationExport.h>
#include <mirobanth/application/platform/DataAccess.h>

#include <string>

namespace mirobanth::application {

// Stand-ins that reach no database: statements do nothing, updates touch no
// rows, and every column of every result reads "undefined". Final, so that
// their owners can delete them by these types.

class MIROBANTH_APPLICATION_API ConnectionImpl final : public Connection {
public:
    ConnectionImpl() = default;
    ConnectionImpl(const ConnectionImpl&) = default;
    ConnectionImpl& operator=(const ConnectionImpl&) = default;

    void close() override;
    PreparedStatement* prepareStatement(std::string sql) override;
};

class MIROBANTH_APPLICATION_API PreparedStatementImpl final : public PreparedStatement {
public:
    PreparedStatementImpl() = default;
    PreparedStatementImpl(const PreparedStatementImpl&) = default;
    PreparedStatementImpl& operator=(const PreparedStatementImpl&) = default;

    void execute() override;
    ResultSet* executeQuery() override;
    int executeUpdate() override;
};

class MIROBANTH_APPLICATION_API ResultSetImpl final : public ResultSet {
public:
    ResultSetImpl() = default;
    ResultSetImpl(const ResultSetImpl&) = default;
    ResultSetImpl& operator=(const ResultSetImpl&) = default;

    std::string getString(std::string column) override;
    std::string getString(int column) override;
};

}  // namespace mirobanth::application
