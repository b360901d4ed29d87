#include "batch/titlecase.h"
#include "testsupport.h"

TEST(TitlecaseString, WorkedExamplesAndEdges)
{
    const struct
    {
        const char *input, *result;
    } cases[] = {
        // The rules' worked examples.
        {"the lord of the rings", "The Lord of the Rings"},
        {"a day in the life", "A Day in the Life"},
        {"what are you waiting for", "What Are You Waiting For"},
        {"rock AND roll", "Rock and Roll"},
        {"live at the BBC", "Live at the BBC"},
        {"hello world of", "Hello World Of"},
        {"hello WORLD of", "Hello WORLD of"},
        {"THE BEST OF", "THE BEST of"},
        {"of mice and men", "Of Mice and Men"},
        {"the", "The"},
        {"mr. jones", "Mr. Jones"},
        // Words left as typed, small words anywhere but first.
        {"iPod", "iPod"},
        {"ABC", "ABC"},
        {"Rock Feat Roll", "Rock feat Roll"},
        {"A Day", "A Day"},
        {"2 of 3", "2 of 3"},
        {"don't stop", "Don't Stop"},
        {"rock'n'roll HIGH school", "Rock'n'roll HIGH School"},
        // Nothing between words changes.
        {"", ""},
        {"  ...  -- !", "  ...  -- !"},
        {"  hello,  world!  ", "  Hello,  World!  "},
        {"AC/DC back in black", "AC/DC Back in Black"},
        // Other scripts and case mappings that change length.
        {"привет мир", "Привет Мир"},
        {"ὀδυσσεύς and σοφία", "Ὀδυσσεύς and Σοφία"},
        {"日本語 the end", "日本語 the End"},
        {"ßa straße of x", "Ssa Straße of X"},
        {"ﬁne day", "Fine Day"},
        {"ǆemal", "ǅemal"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(titlecaseString(QString::fromUtf8(c.input)), QString::fromUtf8(c.result)) << c.input;
        // Title case is stable: applied again it changes nothing.
        EXPECT_EQ(titlecaseString(QString::fromUtf8(c.result)), QString::fromUtf8(c.result)) << c.result;
    }
}
