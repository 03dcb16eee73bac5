#include <mirobanth/application/platform/DataAccessPlaceholders.h>
#include <mirobanth/application/platform/DataSource.h>

#include <gtest/gtest.h>

namespace mirobanth::application { namespace {

// The interfaces cannot be deleted through; their owners delete the
// placeholders by their own types.
void release(Connection* connection) { delete static_cast<ConnectionImpl*>(connection); }
void release(PreparedStatement* statement) {
    delete static_cast<PreparedStatementImpl*>(statement);
}
void release(ResultSet* result) { delete static_cast<ResultSetImpl*>(result); }

TEST(DataAccessTest, ConnectionsAreNewObjectsThatTheCallerReleases) {
    DataSource source;
    Connection* first = source.getConnection();
    Connection* second = source.getConnection();
    EXPECT_NE(first, second);
    first->close();
    first->close();
    release(first);
    release(second);
}

TEST(DataAccessTest, StatementsReachNoDatabase) {
    DataSource source;
    Connection* connection = source.getConnection();
    PreparedStatement* update = connection->prepareStatement("");
    update->execute();
    EXPECT_EQ(update->executeUpdate(), 0);

    PreparedStatement* query = connection->prepareStatement("select * from test");
    ResultSet* result = query->executeQuery();
    EXPECT_EQ(result->getString(0), "undefined");
    EXPECT_EQ(result->getString(-1), "undefined");
    EXPECT_EQ(result->getString("id"), "undefined");
    release(result);
    release(query);
    release(update);
    release(connection);
}

}}  // namespace mirobanth::application
