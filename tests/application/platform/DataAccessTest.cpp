#include "application/platform/DataSource.h"

#include <gtest/gtest.h>

#include "application/platform/DataAccessPlaceholders.h"

using namespace mirobanth::application;

namespace {

// The interfaces cannot be deleted through; their owners delete the
// placeholders by their own types.
void release(Connection* connection) { delete static_cast<ConnectionImpl*>(connection); }
void release(PreparedStatement* statement) {
    delete static_cast<PreparedStatementImpl*>(statement);
}
void release(ResultSet* result) { delete static_cast<ResultSetImpl*>(result); }

class DataAccessTest : public ::testing::Test {
protected:
    ~DataAccessTest() override { release(connection); }
    DataSource source;
    Connection* connection = source.getConnection();
};

TEST_F(DataAccessTest, EachConnectionIsANewObject) {
    Connection* second = source.getConnection();
    EXPECT_NE(second, connection);
    release(second);
}

TEST_F(DataAccessTest, UpdatesTouchNoRowsWhateverTheText) {
    for (const char* sql : {"update test set a = 1", ""}) {
        PreparedStatement* statement = connection->prepareStatement(sql);
        statement->execute();
        EXPECT_EQ(statement->executeUpdate(), 0) << "for \"" << sql << "\"";
        release(statement);
    }
}

TEST_F(DataAccessTest, EveryColumnReadsUndefined) {
    PreparedStatement* statement = connection->prepareStatement("select * from test");
    ResultSet* result = statement->executeQuery();
    EXPECT_EQ(result->getString(0), "undefined");
    EXPECT_EQ(result->getString(-1), "undefined");
    EXPECT_EQ(result->getString("id"), "undefined");
    EXPECT_EQ(result->getString(""), "undefined");
    release(result);
    release(statement);
}

TEST_F(DataAccessTest, ClosingRepeatedlyChangesNothing) {
    connection->close();
    connection->close();
    PreparedStatement* statement = connection->prepareStatement("select 1");
    EXPECT_EQ(statement->executeUpdate(), 0);
    release(statement);
}

}  // namespace
