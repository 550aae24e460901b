// The manual's keyboard table, in both languages, names every menu command with its shortcuts.
#include "texts/Texts.h"
#include "ui/ActionTable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

using namespace molvane;

namespace {

// The manual's section of keyboard shortcuts: from its heading to the next one.
std::string shortcutSection(const std::string &language)
{
    std::ifstream file(std::string(MOLVANE_DATA_DIR) + "/manual/" + language + "/index.html");
    std::stringstream text;
    text << file.rdbuf();
    const std::string page = text.str();
    const std::size_t start = page.find("id=\"shortcuts\"");
    if (start == std::string::npos)
        return {};
    return page.substr(start, page.find("<h2", start + 1) - start);
}

// A caption as the menu shows it: without its access-key mark and its trailing dots.
std::string shown(std::string caption)
{
    std::erase(caption, '&');
    while (!caption.empty() && caption.back() == '.')
        caption.pop_back();
    return caption;
}

class ManualShortcuts : public testing::TestWithParam<UiLanguage>
{
};

TEST_P(ManualShortcuts, NameEveryMenuCommandAndItsKeys)
{
    const UiLanguage language = GetParam();
    const std::string section = shortcutSection(language == UiLanguage::Farsi ? "fa" : "en");
    ASSERT_FALSE(section.empty()) << "the manual has no shortcut section";
    for (const ActionEntry &action : MainActions()) {
        if (!action.name)
            continue;
        const std::string caption = shown(std::string(Text(action.caption, language)));
        EXPECT_NE(section.find(caption), std::string::npos) << action.name << ": " << caption;
        std::string keys = action.shortcut;
        for (std::size_t at = 0; !keys.empty();
             keys.erase(0, at == std::string::npos ? at : at + 2)) {
            at = keys.find("; ");
            const std::string key = "<kbd>" + keys.substr(0, at) + "</kbd>";
            EXPECT_NE(section.find(key), std::string::npos) << action.name << ": " << key;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Manual, ManualShortcuts,
    testing::Values(UiLanguage::English, UiLanguage::Farsi),
    [](const auto &info) { return info.param == UiLanguage::Farsi ? "Farsi" : "English"; });

} // namespace
