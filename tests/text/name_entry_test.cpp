#include <cstring>

#include "text/text_fixture.h"

using namespace platform;

class NameEntryTest : public TableTest {
protected:
    // Four frames with these keys held: the keyboard is read on the fourth.
    std::uint8_t poll(const std::set<int>& tasten) {
        fakes::keys_down = tasten;
        for (int i = 0; i < 3; ++i) EXPECT_EQ(highscore.nameneingabe(), 0);
        return highscore.nameneingabe();
    }
    std::string name() const { return highscore.namen[9]; }
};

TEST_F(NameEntryTest, EnterConfirmsBeforeAnyLetterAndShortNamesBecomeNobody) {
    EXPECT_EQ(poll({'A', VK_RETURN}), 1);
    EXPECT_STREQ(highscore.namen[7], "spieler");
    for (const char* kurz : {"", "X"}) {
        std::strcpy(highscore.namen[9], kurz);
        EXPECT_EQ(poll({VK_RETURN}), 1);
        EXPECT_TRUE(name() == "nobody" && std::string(highscore.namen[7]) == "nobody") << name();
    }
}

TEST_F(NameEntryTest, HeldKeysAreTypedOnceNewPressesInKeyOrderUpToFourteen) {
    // From a name, the keys held for one poll after another, and the name after some of them.
    using Steps = std::vector<std::pair<std::set<int>, const char*>>;
    const std::pair<const char*, Steps> faelle[] = {
        {"", {{{'A'}, nullptr}, {{'A'}, "A"}, {{'A', 'B'}, "AB"}, {{'A', 'B'}, nullptr}, {{'A', 'B'}, "ABABAB"},
              // Space wins over Backspace, once per press; then Backspace once.
              {{VK_SPACE, VK_BACK, 'C'}, nullptr}, {{VK_SPACE, VK_BACK, 'C'}, "ABABAB "}, {{VK_BACK, 'C'}, nullptr},
              {{VK_BACK, 'C'}, "ABABAB"}, {{}, nullptr}, {{VK_BACK}, "ABABA"}}},
        // Names stop at fourteen characters but can be shortened.
        {"ABCDEFGHIJKLMN", {{{'Z'}, "ABCDEFGHIJKLMN"}, {{VK_BACK}, "ABCDEFGHIJKLM"}}},
        // A longer one from the file: its cursor lies past the text, which is no error.
        {"ABCDEFGHIJKLMNOPQRSTUVWXY",
         {{{}, nullptr}, {{'Z'}, "ABCDEFGHIJKLMNOPQRSTUVWXY"}, {{VK_BACK}, "ABCDEFGHIJKLMNOPQRSTUVWX"}}},
    };
    for (const auto& [anfang, schritte] : faelle) {
        std::strcpy(highscore.namen[9], anfang);
        for (const auto& [tasten, danach] : schritte) {
            poll(tasten);
            EXPECT_TRUE(!danach || name() == danach) << name() << " from \"" << anfang << "\"";
        }
    }
    EXPECT_TRUE(fakes::boxes.empty());
}
