#include "ui/Settings.h"
#include "texts/InterfaceLanguage.h"
#include "ui/RecentDocuments.h"
#include "ui/WindowPlacement.h"

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

// The values read before the first missing one are applied, each on its own: a top without
// a left moves the window down and keeps its horizontal place.
// Two windows each add a document; neither loses the other's, whichever writes last.
TEST_F(SettingsStore, RecentDocumentsOfTwoWindowsMerge)
{
    QSettings other(dir.filePath("Qv1.conf"), QSettings::IniFormat);
    RecentDocuments first, second;
    first.read(settings);
    second.read(other);
    first.add(settings, dir.filePath("a.KVX"));
    second.add(other, dir.filePath("b.KVX"));
    first.remove(settings, dir.filePath("gone.KVX"));
    EXPECT_EQ(first.paths(), (QStringList { dir.filePath("b.KVX"), dir.filePath("a.KVX") }));
    QSettings reread(dir.filePath("Qv1.conf"), QSettings::IniFormat);
    RecentDocuments stored;
    stored.read(reread);
    EXPECT_EQ(stored.paths(), first.paths());
}

TEST(RecentDocuments, CaptionsShowTheFileNameAsItIs)
{
    EXPECT_EQ(RecentEntryCaption(2, "/home/u/a&b.KVX"), "&2 a&&b.KVX");
    SetCurrentUiLanguage(UiLanguage::Farsi);
    const QString farsi = RecentEntryCaption(1, u"/home/u/\u067E\u0648\u0634\u0647.KVX"_qs);
    SetCurrentUiLanguage(UiLanguage::English);
    EXPECT_EQ(farsi, u"&1 \u202A\u200E\u067E\u0648\u0634\u0647\u200E.KVX\u202C"_qs);
}

TEST(WindowPlacement, EveryValueReadIsApplied)
{
    const QList<QRect> screen = { QRect(0, 0, 1920, 1040) };
    const QRect current(30, 40, 780, 551);
    WindowSettings stored;
    stored.width = 700;
    EXPECT_EQ(RestoredGeometry(stored, current, screen), QRect(30, 40, 700, 551));
    stored.height = 500;
    EXPECT_EQ(RestoredGeometry(stored, current, screen), QRect(30, 40, 700, 500));
    stored.top = 200;
    EXPECT_EQ(RestoredGeometry(stored, current, screen), QRect(30, 200, 700, 500));
    stored.left = 300;
    EXPECT_EQ(RestoredGeometry(stored, current, screen), QRect(300, 200, 700, 500));
}

TEST(WindowPlacement, APositionOffEveryScreenComesOntoTheNearest)
{
    const QList<QRect> screens = { QRect(0, 0, 1920, 1040), QRect(1920, 0, 1280, 1000) };
    WindowSettings stored;
    stored.width = 640;
    stored.height = 420;
    stored.top = 5000;
    stored.left = 2500;
    // Below the second screen: its bottom edge, the horizontal place kept.
    EXPECT_EQ(RestoredGeometry(stored, QRect(0, 0, 780, 551), screens), QRect(2500, 580, 640, 420));
    // Left of the first screen and above it: its top-left corner.
    EXPECT_EQ(FramedOnScreen(QRect(-3000, -900, 640, 420), {}, screens), QRect(0, 0, 640, 420));
    // Far right: the second screen's right edge.
    EXPECT_EQ(FramedOnScreen(QRect(9000, 100, 640, 420), {}, screens), QRect(2560, 100, 640, 420));
    // No screen known: left where it is.
    EXPECT_EQ(FramedOnScreen(QRect(9000, 100, 640, 420), {}, {}), QRect(9000, 100, 640, 420));
}

// The frame counts: a client area at the screen's top would put the title bar above it, and
// a stored size larger than every screen is fitted to the one the window is on.
TEST(WindowPlacement, TheWholeFrameComesOntoAScreen)
{
    const QList<QRect> screens = { QRect(0, 0, 1920, 1040), QRect(1920, 0, 1280, 1000) };
    const QMargins frame(1, 20, 1, 1);
    EXPECT_EQ(FramedOnScreen(QRect(100, 0, 640, 420), frame, screens), QRect(100, 20, 640, 420));
    EXPECT_EQ(FramedOnScreen(QRect(100, 20, 640, 420), frame, screens), QRect(100, 20, 640, 420));
    // Mostly on the second screen: onto it, whole.
    EXPECT_EQ(FramedOnScreen(QRect(2900, 50, 640, 420), frame, screens), QRect(2559, 50, 640, 420));
    WindowSettings stored;
    stored.width = stored.height = 5000;
    stored.top = stored.left = 0;
    EXPECT_EQ(
        RestoredGeometry(stored, QRect(0, 0, 780, 551), screens, frame), QRect(1, 20, 1918, 1019));
}

} // namespace
