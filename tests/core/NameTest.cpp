#include <mirobanth/core/Console.h>
#include <mirobanth/core/Name.h>
#include <mirobanth/core/RuntimeException.h>

#include <gtest/gtest.h>

#include <sstream>

#include "RaisedException.h"

namespace mirobanth::test { namespace {

TEST(NameTest, DefaultNameIsUndefined) {
    core::Name name;
    EXPECT_EQ(name.getName(), "Undefined");
    EXPECT_EQ(name.toString(), "Undefined");
    EXPECT_FALSE(name.isSerializable());
}

TEST(NameTest, EqualityComparesNamesExactlyAcrossClasses) {
    core::Name plain("Tintavel");
    core::Console console;
    console.setName("Tintavel");
    EXPECT_TRUE(plain.equals(&console));
    EXPECT_TRUE(console.equals(&plain));

    console.setName("tintavel");
    EXPECT_FALSE(plain.equals(&console));

    core::Name copy = plain;
    EXPECT_TRUE(copy.equals(&plain));
    copy.setName("Other");
    EXPECT_FALSE(copy.equals(&plain));
    EXPECT_FALSE(copy.equals(nullptr));
}

TEST(NameTest, SerialisationRaisesANewExceptionThatTheCatcherOwns) {
    core::Name name("n");
    std::stringstream stream;
    EXPECT_EQ(raisedText([&] { name.load(stream); }), "::load not implemented");
    EXPECT_EQ(raisedText([&] { name.save(stream); }), "::save not implemented");
    EXPECT_EQ(stream.str(), "");
}

TEST(NameTest, NoObjectIsSerializableSoLoadObjectAndSaveObjectRefuse) {
    core::Name name("n");
    std::stringstream stream;
    try {
        core::Name::loadObject(&name, stream);
        FAIL() << "loadObject returned";
    } catch (core::RuntimeException* wrong) {
        delete wrong;
        FAIL() << "reached load";
    } catch (std::exception* raised) {
        delete raised;
    }
    try {
        core::Name::saveObject(&name, stream);
        FAIL() << "saveObject returned";
    } catch (core::RuntimeException* wrong) {
        delete wrong;
        FAIL() << "reached save";
    } catch (std::exception* raised) {
        delete raised;
    }
}

TEST(RuntimeExceptionTest, ReasonIsOnlyInWhat) {
    core::RuntimeException disk("disk");
    EXPECT_STREQ(disk.what(), "disk");
    EXPECT_EQ(disk.getReason(), "undefined");
    EXPECT_EQ(disk.reason(), "undefined");
    EXPECT_STREQ(core::RuntimeException().what(), "Undefined");
    core::RuntimeException copy = disk;
    EXPECT_STREQ(copy.what(), "disk");
}

}}  // namespace mirobanth::test
