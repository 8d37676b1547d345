#include "dialogs/charsetbarmodel.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

constexpr int kNone = 0;
constexpr int kUser = 1;
constexpr int kCyrillic = 2;
constexpr int kUnicodeRow = 12;

struct Stored
{
    int character;
    int key;
    int unicode;
};

Stored stored(const MemoryProfile& profile)
{
    return {profile.getInt("LANG", "CHARACTER", -99), profile.getInt("LANG", "KEY", -99),
            profile.getInt("LANG", "UNICODE", -99)};
}

TEST(CharsetBarModel, FirstStart_NoneChosenPrefixOffUnicodeUsable)
{
    MemoryProfile profile;
    CharsetBarModel bar(profile);
    bar.InitCharacterSetBar();
    EXPECT_EQ(bar.selection(), kNone);
    EXPECT_FALSE(bar.prefixChecked());
    EXPECT_FALSE(bar.unicodeChecked());
    EXPECT_FALSE(bar.prefixEnabled());
    EXPECT_TRUE(bar.unicodeEnabled());
    // Reading writes nothing.
    EXPECT_FALSE(profile.contains("LANG", "CHARACTER"));
    EXPECT_FALSE(profile.contains("LANG", "KEY"));
}

TEST(CharsetBarModel, Init_RestoresStoredSwitches)
{
    MemoryProfile profile;
    profile.setInt("LANG", "CHARACTER", kCyrillic);
    profile.setInt("LANG", "KEY", 1);
    profile.setInt("LANG", "UNICODE", 1);
    CharsetBarModel bar(profile);
    bar.InitCharacterSetBar();
    EXPECT_EQ(bar.selection(), kCyrillic);
    EXPECT_TRUE(bar.prefixChecked());
    EXPECT_TRUE(bar.unicodeChecked());
    EXPECT_TRUE(bar.prefixEnabled());
    EXPECT_TRUE(bar.unicodeEnabled());
}

TEST(CharsetBarModel, Init_StoredRowOutOfRangeActsAsNoSelection)
{
    for (const int row : {13, -1, 1000}) {
        MemoryProfile profile;
        profile.setInt("LANG", "CHARACTER", row);
        CharsetBarModel bar(profile);
        bar.InitCharacterSetBar();
        EXPECT_EQ(bar.selection(), CharsetBarModel::kNoSelection) << row;
        EXPECT_FALSE(bar.prefixEnabled()) << row;
        EXPECT_TRUE(bar.unicodeEnabled()) << row;
    }
}

TEST(CharsetBarModel, SelectionChange_ClearsAndStoresBothSwitchesWhateverTheRow)
{
    for (const int row : {kNone, kUser, kCyrillic, kUnicodeRow}) {
        MemoryProfile profile;
        profile.setInt("LANG", "KEY", 1);
        profile.setInt("LANG", "UNICODE", 1);
        CharsetBarModel bar(profile);
        bar.InitCharacterSetBar();
        bar.OnCharacterSetChange(row);
        const Stored values = stored(profile);
        EXPECT_EQ(values.character, row);
        EXPECT_EQ(values.key, 0);
        EXPECT_EQ(values.unicode, 0);
        EXPECT_FALSE(bar.prefixChecked());
        EXPECT_FALSE(bar.unicodeChecked());
    }
}

TEST(CharsetBarModel, SelectionChange_EnablingFollowsTheRow)
{
    MemoryProfile profile;
    CharsetBarModel bar(profile);
    bar.InitCharacterSetBar();

    bar.OnCharacterSetChange(kCyrillic);
    EXPECT_TRUE(bar.prefixEnabled());
    EXPECT_FALSE(bar.unicodeEnabled());

    bar.OnCharacterSetChange(kUser);
    EXPECT_FALSE(bar.prefixEnabled());
    EXPECT_TRUE(bar.unicodeEnabled());

    bar.OnCharacterSetChange(kNone);
    EXPECT_FALSE(bar.prefixEnabled());
    EXPECT_TRUE(bar.unicodeEnabled());
}

TEST(CharsetBarModel, Prefix_EnablesUnicodeAndUncheckingClearsIt)
{
    MemoryProfile profile;
    CharsetBarModel bar(profile);
    bar.InitCharacterSetBar();
    bar.OnCharacterSetChange(kCyrillic);

    bar.OnPrefixClicked(true);
    EXPECT_TRUE(bar.unicodeEnabled());
    EXPECT_EQ(stored(profile).key, 1);

    bar.OnUnicodeClicked(true);
    EXPECT_EQ(stored(profile).unicode, 1);

    bar.OnPrefixClicked(false);
    EXPECT_FALSE(bar.unicodeEnabled());
    EXPECT_FALSE(bar.unicodeChecked());
    EXPECT_EQ(stored(profile).key, 0);
    EXPECT_EQ(stored(profile).unicode, 0);
    EXPECT_EQ(stored(profile).character, kCyrillic);
}

TEST(CharsetBarModel, Prefix_CheckingAlsoClearsUnicode)
{
    MemoryProfile profile;
    profile.setInt("LANG", "CHARACTER", kCyrillic);
    profile.setInt("LANG", "UNICODE", 1);
    CharsetBarModel bar(profile);
    bar.InitCharacterSetBar();
    bar.OnPrefixClicked(true);
    EXPECT_FALSE(bar.unicodeChecked());
    EXPECT_EQ(stored(profile).unicode, 0);
}

TEST(CharsetBarModel, Unicode_OnTableWithoutPrefixStoresAndUnstores)
{
    MemoryProfile profile;
    CharsetBarModel bar(profile);
    bar.InitCharacterSetBar();
    bar.OnUnicodeClicked(true);
    EXPECT_EQ(stored(profile).unicode, 1);
    EXPECT_FALSE(profile.contains("LANG", "KEY"));
    bar.OnUnicodeClicked(false);
    EXPECT_EQ(stored(profile).unicode, 0);
}

} // namespace
} // namespace kx
