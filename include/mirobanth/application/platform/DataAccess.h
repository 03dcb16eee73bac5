#pragma once

#include <mirobanth/application/ApplicationExport.h>

#include <string>

namespace mirobanth::application {

class PreparedStatement;
class ResultSet;

// A minimal data-access interface for hosts of the library: a connection
// prepares statements, a query yields a result set read column by column.
// Every object these operations hand out is new and belongs to the caller,
// who deletes it through its implementation type: the interfaces have no
// virtual destructor, so theirs are protected.

class MIROBANTH_APPLICATION_API Connection {
public:
    virtual void close() = 0;
    virtual PreparedStatement* prepareStatement(std::string sql) = 0;

protected:
    Connection() = default;
    Connection(const Connection&) = default;
    Connection& operator=(const Connection&) = default;
    ~Connection() = default;
};

class MIROBANTH_APPLICATION_API PreparedStatement {
public:
    virtual void execute() = 0;
    virtual ResultSet* executeQuery() = 0;
    virtual int executeUpdate() = 0;

protected:
    PreparedStatement() = default;
    PreparedStatement(const PreparedStatement&) = default;
    PreparedStatement& operator=(const PreparedStatement&) = default;
    ~PreparedStatement() = default;
};

class MIROBANTH_APPLICATION_API ResultSet {
public:
    virtual std::string getString(std::string column) = 0;
    virtual std::string getString(int column) = 0;

protected:
    ResultSet() = default;
    ResultSet(const ResultSet&) = default;
    ResultSet& operator=(const ResultSet&) = default;
    ~ResultSet() = default;
};

}  // namespace mirobanth::application
