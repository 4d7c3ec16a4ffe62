// The design options dialog's steps: what it shows, what its OK stores or refuses, and the design
// engine designing with what was stored.
#include <gtest/gtest.h>

#include "design/DesignOptionsSteps.h"
#include "design/SectionDesign.h"
#include "model/Session.h"
#include "tests/design/SectionFixture.h"

namespace {

constexpr LanguageFlags Italian{};
constexpr LanguageFlags English{1, 0};

DesignOptions Stored() {
    DesignOptions o;
    o.LowerAssemblyBarDiameter = 8;
    o.GroupLowerBars = 0;
    o.MaxUpperBarLength = 900;
    o.CurbEnabled = 1;
    o.CurbSpanThreshold = 450;
    o.CurbWidth = 25;
    return o;
}

void ExpectSame(const DesignOptions& a, const DesignOptions& b) {
    EXPECT_EQ(a.LowerAssemblyBarDiameter, b.LowerAssemblyBarDiameter);
    EXPECT_EQ(a.GroupLowerBars, b.GroupLowerBars);
    EXPECT_EQ(a.MaxUpperBarLength, b.MaxUpperBarLength);
    EXPECT_EQ(a.CurbEnabled, b.CurbEnabled);
    EXPECT_FLOAT_EQ(a.CurbSpanThreshold, b.CurbSpanThreshold);
    EXPECT_FLOAT_EQ(a.CurbWidth, b.CurbWidth);
}

TEST(DesignOptionsSteps, EntriesAndTheEntryOfADiameter) {
    const auto italian = AssemblyBarEntries(Italian);
    EXPECT_EQ(italian[0], "Nessuno");
    EXPECT_EQ(italian[1], "2 Ø 5");
    EXPECT_EQ(italian[8], "2 Ø 12");
    EXPECT_EQ(AssemblyBarEntries(English)[0], "None");
    EXPECT_EQ(AssemblyBarItemOf(0), 0);
    EXPECT_EQ(AssemblyBarItemOf(8), 4);
    EXPECT_EQ(AssemblyBarItemOf(12), 8);
}

TEST(DesignOptionsSteps, CurbValuesNoCurbCanHaveBecomeTheDefaults) {
    DesignOptions o = Stored();
    o.CurbWidth = 3;
    o.CurbSpanThreshold = 0;
    ApplyCurbDefaults(o);
    const DesignOptionsEntry shown = DesignOptionsEntryOf(o);
    EXPECT_EQ(shown.CurbWidth, "25.0");
    EXPECT_EQ(shown.CurbSpanThreshold, "450.0");
    EXPECT_EQ(shown.MaxUpperBarLength, "900");
    EXPECT_EQ(shown.AssemblyBarItem, 4);

    o.CurbWidth = 12.25f;
    o.CurbSpanThreshold = 600;
    ApplyCurbDefaults(o);
    EXPECT_FLOAT_EQ(o.CurbWidth, 12.25f);
    EXPECT_FLOAT_EQ(o.CurbSpanThreshold, 600);
}

TEST(DesignOptionsSteps, OkStoresEveryFieldWithTheLengthRoundedHalvesToEven) {
    struct Case {
        const char* typed;
        int32_t stored;
    } cases[] = {{"1200,4", 1200}, {"499.5", 500}, {"500.5", 500}, {"750", 750}, {"1200", 1200}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        DesignOptions o = Stored();
        DesignOptionsEntry entry = DesignOptionsEntryOf(o);
        entry.MaxUpperBarLength = c.typed;
        entry.AssemblyBarItem = 0;
        entry.GroupLowerBars = 1;
        entry.CurbEnabled = 0;
        entry.CurbSpanThreshold = "520,5";
        entry.CurbWidth = "";
        EXPECT_EQ(StoreDesignOptions(entry, o, Italian), std::nullopt);
        EXPECT_EQ(o.MaxUpperBarLength, c.stored);
        EXPECT_EQ(o.LowerAssemblyBarDiameter, 0);
        EXPECT_EQ(o.GroupLowerBars, 1);
        EXPECT_EQ(o.CurbEnabled, 0);
        EXPECT_FLOAT_EQ(o.CurbSpanThreshold, 520.5f);
        EXPECT_FLOAT_EQ(o.CurbWidth, 0);  // the next opening shows 25 again
    }
    DesignOptions o = Stored();
    EXPECT_EQ(StoreDesignOptions(DesignOptionsEntryOf(o), o, Italian), std::nullopt);
    ExpectSame(o, Stored());
}

TEST(DesignOptionsSteps, ARefusedLengthStoresNothingAndSaysWhy) {
    for (const char* typed : {"1200,6", "499.4", "", "abc", "-700", "1e9"}) {
        SCOPED_TRACE(typed);
        DesignOptions o = Stored();
        DesignOptionsEntry entry = DesignOptionsEntryOf(o);
        entry.MaxUpperBarLength = typed;
        entry.AssemblyBarItem = 1;
        entry.GroupLowerBars = 1;
        entry.CurbEnabled = 0;
        entry.CurbWidth = "40";
        EXPECT_EQ(StoreDesignOptions(entry, o, Italian), "Lunghezza max non corretta. (500 min, 1200 max)");
        ExpectSame(o, Stored());
    }
    DesignOptions o = Stored();
    DesignOptionsEntry entry = DesignOptionsEntryOf(o);
    entry.MaxUpperBarLength = "1300";
    EXPECT_EQ(StoreDesignOptions(entry, o, English), "Length wrong. (500 min, 1200 max)");
}

TEST(DesignOptionsSteps, TheDesignUsesWhatOkStored) {
    Session session;
    DesignOptionsEntry entry = DesignOptionsEntryOf(session.design);
    entry.MaxUpperBarLength = "500";
    entry.AssemblyBarItem = 0;
    entry.GroupLowerBars = 1;
    ASSERT_EQ(StoreDesignOptions(entry, session.design, Italian), std::nullopt);
    const RebarDesignOptions read = RebarDesignOptionsOf(session);
    EXPECT_EQ(read.LowerAssemblyBarDiameter, 0);
    EXPECT_EQ(read.GroupLowerBars, 1);

    // A top-steel run of 600 cm in a slab of 1000: with bars of at most 500 cm it is split in two
    // that lap by 70.
    SectionFixture f({1000});
    f.options = read;
    std::vector<float> upper(21, 0);
    for (int i = 0; i <= 12; ++i) upper[static_cast<size_t>(i)] = 1.0f;
    f.Diagram(0, upper);
    f.Design();
    ExpectBars(f.Upper(), {UpperAlongX(12, 1, -13, 452, 215, 1), UpperAlongX(12, 1, 382, 650, 240, 0)});
}

}  // namespace
