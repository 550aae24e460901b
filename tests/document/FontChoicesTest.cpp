#include "document/FontChoices.h"

#include <gtest/gtest.h>

#include <set>

using namespace molvane;

namespace {

const DocumentFont Stored { "Tahoma", 8, false, true, BlueColor };

TEST(ApplyFontControls, NoFaceSelectedKeepsTheFace)
{
    const DocumentFont applied = ApplyFontControls(Stored, { "", "8", BlueColor, false, true });
    EXPECT_EQ(applied, Stored);
}

TEST(ApplyFontControls, EveryControlReplacesItsProperty)
{
    const DocumentFont applied
        = ApplyFontControls(Stored, { "Liberation Serif", "12", 0x0000FF, true, false });
    EXPECT_EQ(applied, (DocumentFont { "Liberation Serif", 12, true, false, 0x0000FF }));
}

TEST(ApplyFontControls, EmptyOrUnreadableSizeIsOnePoint)
{
    for (const char *size : { "", "99999999999999" })
        EXPECT_EQ(ApplyFontControls(Stored, { "", size, BlueColor, false, true }).size, 1) << size;
}

TEST(ColorList, StandardExtendedAndSystemColours)
{
    const auto entries = ColorListEntries();
    EXPECT_EQ(entries.front().name, "Black");
    EXPECT_EQ(entries[16].name, "Money Green");
    std::set<ColorValue> values;
    for (const NamedColor &entry : entries)
        values.insert(entry.value);
    EXPECT_EQ(values.size(), entries.size()) << "a colour listed twice could not be told apart";
}

TEST(ColorList, FindsTheDocumentsColours)
{
    EXPECT_EQ(ColorListEntries()[FindColorEntry(BlueColor)].name, "Blue");
    EXPECT_EQ(ColorListEntries()[FindColorEntry(WindowTextColor)].name, "Window Text");
    EXPECT_EQ(FindColorEntry(0x123456), -1);
}

} // namespace
