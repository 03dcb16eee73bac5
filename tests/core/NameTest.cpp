#include <mirobanth/core/Console.h>
#include <mirobanth/core/Name.h>
#include <mirobanth/core/RuntimeException.h>

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

using mirobanth::core::Console;
using mirobanth::core::Name;
using mirobanth::core::RuntimeException;

namespace {

TEST(NameTest, DefaultNameIsUndefined) {
    Name name;
    EXPECT_EQ(name.getName(), "Undefined");
    EXPECT_EQ(name.toString(), "Undefined");
    EXPECT_FALSE(name.isSerializable());
}

TEST(NameTest, EqualityComparesNamesExactlyAcrossClasses) {
    Name plain("Tintavel");
    Console console;
    console.setName("Tintavel");
    EXPECT_TRUE(plain.equals(&console));
    EXPECT_TRUE(console.equals(&plain));

    console.setName("tintavel");
    EXPECT_FALSE(plain.equals(&console));

    Name copy = plain;
    EXPECT_TRUE(copy.equals(&plain));
    copy.setName("Other");
    EXPECT_FALSE(copy.equals(&plain));
    EXPECT_FALSE(copy.equals(nullptr));
}

TEST(NameTest, SerialisationRaisesANewExceptionThatTheCatcherOwns) {
    Name name("n");
    std::stringstream stream;
    try {
        name.load(stream);
        FAIL() << "load returned";
    } catch (RuntimeException* raised) {
        std::unique_ptr<RuntimeException> owned(raised);
        EXPECT_STREQ(owned->what(), "::load not implemented");
    }
    try {
        name.save(stream);
        FAIL() << "save returned";
    } catch (RuntimeException* raised) {
        std::unique_ptr<RuntimeException> owned(raised);
        EXPECT_STREQ(owned->what(), "::save not implemented");
    }
    EXPECT_EQ(stream.str(), "");
}

TEST(NameTest, NoObjectIsSerializableSoLoadObjectAndSaveObjectRefuse) {
    Name name("n");
    std::stringstream stream;
    try {
        Name::loadObject(&name, stream);
        FAIL() << "loadObject returned";
    } catch (RuntimeException* wrong) {
        delete wrong;
        FAIL() << "reached load";
    } catch (std::exception* raised) {
        delete raised;
    }
    try {
        Name::saveObject(&name, stream);
        FAIL() << "saveObject returned";
    } catch (RuntimeException* wrong) {
        delete wrong;
        FAIL() << "reached save";
    } catch (std::exception* raised) {
        delete raised;
    }
}

TEST(RuntimeExceptionTest, ReasonIsOnlyInWhat) {
    RuntimeException disk("disk");
    EXPECT_STREQ(disk.what(), "disk");
    EXPECT_EQ(disk.getReason(), "undefined");
    EXPECT_EQ(disk.reason(), "undefined");
    EXPECT_STREQ(RuntimeException().what(), "Undefined");
    RuntimeException copy = disk;
    EXPECT_STREQ(copy.what(), "disk");
}

}  // namespace
