#include <mirobanth/application/platform/DataAccessPlaceholders.h>
#include <mirobanth/application/platform/DataSource.h>

namespace mirobanth::application {

Connection* DataSource::getConnection() { return new ConnectionImpl(); }

void DataSource::test() {
    DataSource source;
    Connection* connection = source.getConnection();
    PreparedStatement* statement = connection->prepareStatement("select * from test");
    ResultSet* result = statement->executeQuery();
    result->getString(0);
}

}  // namespace mirobanth::application
