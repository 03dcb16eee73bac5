#include <mirobanth/application/platform/DataAccessPlaceholders.h>

namespace mirobanth::application {

void ConnectionImpl::close() {}

PreparedStatement* ConnectionImpl::prepareStatement(std::string) {
    return new PreparedStatementImpl();
}

void PreparedStatementImpl::execute() {}

ResultSet* PreparedStatementImpl::executeQuery() { return new ResultSetImpl(); }

int PreparedStatementImpl::executeUpdate() { return 0; }

std::string ResultSetImpl::getString(std::string) { return "undefined"; }

std::string ResultSetImpl::getString(int) { return "undefined"; }

}  // namespace mirobanth::application
