#include "ui/Settings.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace molvane;

namespace {

class SettingsStore : public testing::Test
{
protected:
    QTemporaryDir dir;
    QSettings settings { dir.filePath("Qv1.conf"), QSettings::IniFormat };
};

TEST_F(SettingsStore, FirstRunReadsNothing)
{
    const WindowSettings read = ReadWindowSettings(settings);
    EXPECT_FALSE(read.width);
    EXPECT_FALSE(read.farsi);
    EXPECT_EQ(ReadKeyOptions(settings), KeyOptions {});
}

TEST_F(SettingsStore, WindowValuesRoundTrip)
{
    WriteWindowSettings(settings, 800, 600, 10, 20, 2, true);
    const WindowSettings read = ReadWindowSettings(settings);
    EXPECT_EQ(read.width, 800);
    EXPECT_EQ(read.height, 600);
    EXPECT_EQ(read.top, 10);
    EXPECT_EQ(read.left, 20);
    EXPECT_EQ(read.windowState, 2);
    EXPECT_EQ(read.farsi, true);
}

TEST_F(SettingsStore, TheFirstMissingValueEndsTheReading)
{
    settings.setValue("Width", 700);
    settings.setValue("Top", 5);
    settings.setValue("Lang", 1);
    const WindowSettings read = ReadWindowSettings(settings);
    EXPECT_EQ(read.width, 700);
    EXPECT_FALSE(read.height);
    EXPECT_FALSE(read.top);
    EXPECT_FALSE(read.farsi); // the interface starts in English
}

TEST_F(SettingsStore, AnUnreadableValueEndsTheReadingToo)
{
    WriteWindowSettings(settings, 800, 600, 10, 20, 0, true);
    settings.setValue("Top", "high");
    const WindowSettings read = ReadWindowSettings(settings);
    EXPECT_EQ(read.height, 600);
    EXPECT_FALSE(read.top);
    EXPECT_FALSE(read.farsi);
}

TEST_F(SettingsStore, KeyOptionsRoundTripAndAbsentValuesKeepDefaults)
{
    KeyOptions changed;
    changed.plusKeys = "";
    changed.arrowKeys = " >.+";
    changed.autoIdentify = false;
    WriteKeyOptions(settings, changed);
    settings.sync();
    QSettings reopened(settings.fileName(), QSettings::IniFormat);
    EXPECT_EQ(ReadKeyOptions(reopened), changed);

    reopened.remove("KF");
    reopened.remove("ChB");
    const KeyOptions partial = ReadKeyOptions(reopened);
    EXPECT_EQ(partial.arrowKeys, KeyOptions {}.arrowKeys);
    EXPECT_TRUE(partial.autoIdentify);
    EXPECT_EQ(partial.plusKeys, "");
}

} // namespace
