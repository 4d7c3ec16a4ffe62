#include "dxf/file/DxfFileParts.h"

#include <gtest/gtest.h>

TEST(DxfFileParts, SpoolsAreReferredToInPlaceAndEveryLineIsEnded) {
    const std::string ended = "  0\r\nLINE\r\n";
    const std::string unended = "  0\r\nCIRCLE";
    const std::string empty;
    DxfFileParts file;
    file.Text() += "A\r\n";
    file.Spool(ended);
    file.Spool(unended);
    file.Spool(empty);
    file.Text() += "B\r\n";
    file.Prepend("HEAD\r\n");

    const std::string expected = "HEAD\r\nA\r\n" + ended + unended + "\r\nB\r\n";
    EXPECT_EQ(file.Joined(), expected);
    std::string fromViews;
    bool spoolInPlace = false;
    for (std::string_view v : file.Views()) {
        fromViews += v;
        spoolInPlace = spoolInPlace || v.data() == ended.data();
    }
    EXPECT_EQ(fromViews, expected);
    EXPECT_TRUE(spoolInPlace) << "a spool is written from where it lies, not from a copy";
}
