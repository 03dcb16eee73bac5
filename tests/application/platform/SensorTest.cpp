#include "application/platform/Sensor.h"

#include <gtest/gtest.h>

using mirobanth::application::Sensor;

namespace {

TEST(SensorTest, DefaultSensorIsNamedSensorWithoutIdentifier) {
    Sensor sensor;
    EXPECT_EQ(sensor.getName(), "Sensor");
    EXPECT_EQ(sensor.getIdentifier(), "");
    EXPECT_EQ(sensor.describe(), "");
}

TEST(SensorTest, ASensorBuiltFromATextIsNamedAndIdentifiedByIt) {
    Sensor sensor("probe");
    EXPECT_EQ(sensor.getName(), "probe");
    EXPECT_EQ(sensor.getIdentifier(), "probe");
    EXPECT_EQ(sensor.describe(), "probe");
    EXPECT_EQ(sensor.read("temperature"), "");
}

}  // namespace
