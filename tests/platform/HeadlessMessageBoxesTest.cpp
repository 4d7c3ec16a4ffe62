#include "platform/headless/HeadlessMessageBoxes.h"

#include <gtest/gtest.h>

TEST(HeadlessMessageBoxes, AnswersFromScriptThenFirstButtonAndRecordsEveryBox) {
    HeadlessMessageBoxes boxes;
    boxes.Script({MsgAnswer::No});
    EXPECT_EQ(boxes.Show("Attenzione!", "Sovrascrivere?", MsgButtons::YesNo, MsgIcon::Question), MsgAnswer::No);
    EXPECT_EQ(boxes.Show("Attenzione!", "Di nuovo?", MsgButtons::YesNo, MsgIcon::Question), MsgAnswer::Yes);
    EXPECT_EQ(boxes.Show("Warning!", "Done", MsgButtons::Ok, MsgIcon::None), MsgAnswer::Ok);

    ASSERT_EQ(boxes.Shown().size(), 3u);
    EXPECT_EQ(boxes.Shown()[0].Text, "Sovrascrivere?");
    EXPECT_EQ(boxes.Shown()[0].Answer, MsgAnswer::No);
    EXPECT_EQ(boxes.Shown()[2].Title, "Warning!");
}
