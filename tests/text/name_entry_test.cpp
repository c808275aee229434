#include <cstring>
#include <initializer_list>

#include "platform/keys.h"
#include "text/text_fixture.h"

using platform::VK_BACK;
using platform::VK_RETURN;
using platform::VK_SPACE;

class NameEntryTest : public TableTest {
protected:
    // Four frames with these keys held: the keyboard is read on the fourth.
    std::uint8_t poll(std::initializer_list<int> tasten) {
        fakes::keys_down = tasten;
        for (int i = 0; i < 3; ++i) EXPECT_EQ(highscore.nameneingabe(), 0);
        return highscore.nameneingabe();
    }
    std::string name() const { return highscore.namen[9]; }
};

TEST_F(NameEntryTest, EnterConfirmsBeforeAnyLetterAndShortNamesBecomeNobody) {
    EXPECT_STREQ(highscore.namen[8], "Dein Name bitte:");
    EXPECT_EQ(poll({'A', VK_RETURN}), 1);
    EXPECT_STREQ(highscore.namen[7], "spieler");
    for (const char* kurz : {"", "X"}) {
        std::strcpy(highscore.namen[9], kurz);
        EXPECT_EQ(poll({VK_RETURN}), 1);
        EXPECT_EQ(name(), "nobody");
        EXPECT_STREQ(highscore.namen[7], "nobody");
    }
}

TEST_F(NameEntryTest, HeldKeysAreTypedOnceNewPressesInKeyOrderUpToFourteen) {
    std::strcpy(highscore.namen[9], "");
    poll({'A'});
    poll({'A'});
    EXPECT_EQ(name(), "A");
    poll({'A', 'B'});
    EXPECT_EQ(name(), "AB");
    poll({'A', 'B'});
    poll({'A', 'B'});
    EXPECT_EQ(name(), "ABABAB");

    // Space wins over Backspace, once per press; then Backspace once.
    poll({VK_SPACE, VK_BACK, 'C'});
    poll({VK_SPACE, VK_BACK, 'C'});
    EXPECT_EQ(name(), "ABABAB ");
    poll({VK_BACK, 'C'});
    poll({VK_BACK, 'C'});
    EXPECT_EQ(name(), "ABABAB");
    poll({});
    poll({VK_BACK});
    EXPECT_EQ(name(), "ABABA");

    // Names stop at fourteen characters but can be shortened.
    std::strcpy(highscore.namen[9], "ABCDEFGHIJKLMN");
    poll({'Z'});
    EXPECT_EQ(name(), "ABCDEFGHIJKLMN");
    poll({VK_BACK});
    EXPECT_EQ(name(), "ABCDEFGHIJKLM");

    // A longer one from the file: its cursor lies past the text, which is no error.
    std::strcpy(highscore.namen[9], "ABCDEFGHIJKLMNOPQRSTUVWXY");
    poll({});
    poll({'Z'});
    EXPECT_EQ(name(), "ABCDEFGHIJKLMNOPQRSTUVWXY");
    poll({VK_BACK});
    EXPECT_EQ(name(), "ABCDEFGHIJKLMNOPQRSTUVWX");
    EXPECT_TRUE(fakes::boxes.empty());
}
