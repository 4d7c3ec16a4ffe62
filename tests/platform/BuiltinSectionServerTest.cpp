#include "platform/sectionserver/BuiltinSectionServer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

#include "platform/sectionserver/SteelProfiles.h"

namespace {

struct Answer {
    ServerCallResult Result = ServerCallResult::Answered;
    ServerProperties Properties{};
    ServerGeometry Geometry{};
    std::string Name;
    int32_t Error = -1;
};

Answer AskSingle(BuiltinSectionServer& server, int32_t code, int32_t number) {
    Answer answer;
    int32_t idA = 0, idB = 0, count = 0;
    answer.Result = server.NewID(code, number, idA, idB);
    if (answer.Result != ServerCallResult::Answered) return answer;
    answer.Result = server.DatiSezione(idA, idB, answer.Properties, answer.Name, count,
                                       answer.Geometry, answer.Error);
    return answer;
}

struct ProfileCase {
    int32_t Code, Number;
    const char* Name;
    double Width, Height, CentroidX, CentroidY;  // mm
};

TEST(BuiltinSectionServerTest, CatalogueProfilesCarryTheirStandardSizes) {
    const ProfileCase cases[] = {
        {1, 300, "IPE 300", 150, 300, 75, 150},
        {2, 200, "HE 200 A", 200, 190, 100, 95},
        {3, 200, "HE 200 B", 200, 200, 100, 100},
        {4, 300, "HE 300 M", 310, 340, 155, 170},
        {7, 200, "UPN 200", 75, 200, 20.1, 100},  // web at the left
        {8, 200, "UPN 200", 75, 200, 20.1, 100},
        {5, 10010, "L 100x10", 100, 100, 28.2, 28.2},  // heel at the bottom left
        {6, 2003, "L 20x3", 20, 20, 6.0, 6.0},
        // The second family of a shape: its own numbers from 10000 up.
        {1, 10200, "IPN 200", 90, 200, 45, 100},
        {1, 10600, "IPN 600", 215, 600, 107.5, 300},
        {2, 10200, "HE 200 AA", 200, 186, 100, 93},
        {2, 11000, "HE 1000 AA", 300, 970, 150, 485},
        {7, 10200, "UPE 200", 80, 200, 25.6, 100},
        {8, 10080, "UPE 80", 50, 80, 18.2, 40},
        // Unequal angles: long leg upright, legs and thickness in the number.
        {5, 1005008, "L 100x50x8", 50, 100, 11.3, 36.0},
        {6, 302003, "L 30x20x3", 20, 30, 5.0, 9.9},
        {5, 2015015, "L 200x150x15", 150, 200, 37.3, 62.1},
    };
    BuiltinSectionServer server;
    for (const auto& c : cases) {
        Answer a = AskSingle(server, c.Code, c.Number);
        ASSERT_EQ(a.Result, ServerCallResult::Answered) << c.Name;
        EXPECT_EQ(a.Error, 0) << c.Name;
        EXPECT_EQ(a.Name, c.Name);
        EXPECT_DOUBLE_EQ(a.Properties[0], c.Width) << c.Name;
        EXPECT_DOUBLE_EQ(a.Properties[1], c.Height) << c.Name;
        EXPECT_NEAR(a.Geometry[33], c.CentroidX, 1e-9) << c.Name;
        EXPECT_NEAR(a.Geometry[32], c.CentroidY, 1e-9) << c.Name;
    }
}

// Every profile is reached by its code and number as the archive holds them, a single-precision
// value, and answers with its own name and sizes.
TEST(BuiltinSectionServerTest, EveryProfileAnswersToItsCodeAndNumber) {
    struct Family {
        ProfileFamily Family;
        int32_t Code, NumberBase;
    };
    const Family families[] = {
        {ProfileFamily::IPE, 1, 0},          {ProfileFamily::IPN, 1, 10000}, {ProfileFamily::HEA, 2, 0},
        {ProfileFamily::HEAA, 2, 10000},     {ProfileFamily::HEB, 3, 0},     {ProfileFamily::HEM, 4, 0},
        {ProfileFamily::EqualAngle, 5, 0},   {ProfileFamily::UnequalAngle, 6, 0},
        {ProfileFamily::UPN, 7, 0},          {ProfileFamily::UPE, 8, 10000},
    };
    BuiltinSectionServer server;
    for (const Family& f : families) {
        for (const SteelProfile& p : ProfilesOf(f.Family)) {
            const float asRead = static_cast<float>(p.Number + f.NumberBase);
            const Answer a = AskSingle(server, f.Code, static_cast<int32_t>(std::lround(asRead)));
            ASSERT_EQ(a.Result, ServerCallResult::Answered) << ProfileName(f.Family, p);
            EXPECT_EQ(a.Name, ProfileName(f.Family, p));
            EXPECT_EQ(a.Properties[0], p.B) << a.Name;
            EXPECT_EQ(a.Properties[1], p.H) << a.Name;
        }
    }
}

TEST(BuiltinSectionServerTest, UnknownProfilesAndIdentifiersAreRefused) {
    BuiltinSectionServer server;
    EXPECT_EQ(AskSingle(server, 1, 301).Result, ServerCallResult::UnknownProfile);
    EXPECT_EQ(AskSingle(server, 0, 300).Result, ServerCallResult::UnknownProfile);
    EXPECT_EQ(AskSingle(server, 9, 300).Result, ServerCallResult::UnknownProfile);
    // Each family answers only to its own numbers under its own codes.
    const std::pair<int32_t, int32_t> unknown[] = {
        {1, 10000}, {1, 10601}, {1, 20200}, {3, 10200}, {4, 10200}, {2, 10000 + 1100},
        {7, 10000}, {8, 10450}, {5, 1005009}, {6, 1000100}, {5, 302003 + 10000}, {1, 1005008},
        {1, -10200}, {5, -2003},
    };
    for (auto [code, number] : unknown)
        EXPECT_EQ(AskSingle(server, code, number).Result, ServerCallResult::UnknownProfile) << code << " " << number;

    ServerProperties properties{};
    ServerGeometry geometry{};
    std::string name;
    int32_t idA = 1, idB = 999, count = 0, error = 0;
    EXPECT_EQ(server.DatiSezione(idA, idB, properties, name, count, geometry, error),
              ServerCallResult::Answered);
    EXPECT_NE(error, 0);
    int32_t code = 42;
    idB = 1;
    error = 0;
    EXPECT_EQ(server.DatiComposte(code, idB, properties, name, geometry, error),
              ServerCallResult::Answered);
    EXPECT_NE(error, 0);
}

TEST(BuiltinSectionServerTest, CoupledProfilesStandSymmetricWithTheGapBetweenThem) {
    BuiltinSectionServer server;
    struct Case { int32_t Code, Number; double Width, Height; } cases[] = {
        {7, 200, 2 * 75 + 10, 200},          // two channels
        {1, 300, 2 * 150 + 10, 300},         // two I profiles
        {5, 10010, 2 * 100 + 10, 2 * 100 + 10},  // four angles
        {8, 10200, 2 * 80 + 10, 200},             // two UPE
        {6, 1005008, 2 * 50 + 10, 2 * 100 + 10},  // four unequal angles
        {1, 10200, 2 * 90 + 10, 200},             // two IPN
    };
    for (const auto& c : cases) {
        int32_t code = c.Code, number = c.Number, idA = 0, idB = 0, error = -1;
        ASSERT_EQ(server.NewID(code, number, idA, idB), ServerCallResult::Answered);
        ServerProperties properties{};
        properties[9] = 10;
        ServerGeometry geometry{};
        std::string name;
        ASSERT_EQ(server.DatiComposte(code, idB, properties, name, geometry, error),
                  ServerCallResult::Answered);
        EXPECT_EQ(error, 0);
        EXPECT_DOUBLE_EQ(properties[0], c.Width) << c.Code;
        EXPECT_DOUBLE_EQ(properties[1], c.Height) << c.Code;
        EXPECT_DOUBLE_EQ(geometry[33], c.Width / 2);
        EXPECT_DOUBLE_EQ(geometry[32], c.Height / 2);
    }
}

constexpr ProfileFamily AllFamilies[] = {ProfileFamily::IPE, ProfileFamily::HEA,        ProfileFamily::HEB,
                                         ProfileFamily::HEM, ProfileFamily::UPN,        ProfileFamily::EqualAngle,
                                         ProfileFamily::IPN, ProfileFamily::HEAA,       ProfileFamily::UPE,
                                         ProfileFamily::UnequalAngle};

TEST(SteelProfilesTest, TablesAreConsistent) {
    for (auto family : AllFamilies) {
        std::set<int32_t> numbers;
        double lastArea = 0;
        for (const SteelProfile& p : ProfilesOf(family)) {
            EXPECT_TRUE(numbers.insert(p.Number).second) << p.Number;
            EXPECT_GT(p.H, 2 * p.Tf) << p.Number;
            EXPECT_GT(p.B, p.Tw) << p.Number;
            EXPECT_LT(p.E, p.B) << p.Number;
            EXPECT_LT(p.F, p.H) << p.Number;
            // The area lies between the flanges alone and the full box.
            double flangesCm2 = (IsAngle(family) ? 1 : 2) * p.B * p.Tf / 100;
            EXPECT_GT(p.Area, flangesCm2 * 0.9) << p.Number;
            EXPECT_LT(p.Area, p.B * p.H / 100) << p.Number;
            if (!IsAngle(family) && !IsChannel(family)) {
                EXPECT_GT(p.Area, lastArea) << p.Number;
                lastArea = p.Area;
            }
        }
        EXPECT_GT(numbers.size(), 10u);
    }
}

// Catches a mistyped dimension: the plates that the sizes describe give the tabled area within what
// root fillets add and tapered flanges take, and a centroid a little nearer the web or the heel than
// that of the plates alone (the fillets sit there).
TEST(SteelProfilesTest, AreasAndCentroidsAgreeWithTheDimensions) {
    for (auto family : AllFamilies) {
        for (const SteelProfile& p : ProfilesOf(family)) {
            SCOPED_TRACE(ProfileName(family, p));
            const double t = p.Tf;
            const double plates = IsAngle(family) ? t * (p.H + p.B - t) : 2 * p.B * p.Tf + (p.H - 2 * p.Tf) * p.Tw;
            EXPECT_GE(p.Area * 100 / plates, 0.97);
            EXPECT_LE(p.Area * 100 / plates, 1.15);
            if (IsChannel(family)) {
                const double x = (2 * p.B * p.Tf * p.B / 2 + (p.H - 2 * p.Tf) * p.Tw * p.Tw / 2) / plates;
                EXPECT_GE(p.E / x, 0.9);
                EXPECT_LE(p.E / x, 1.0);
            }
            if (IsAngle(family)) {
                // The upright leg H × t and the lying leg (B - t) × t beside it.
                const double upright = p.H * t, lying = (p.B - t) * t;
                const double x = (upright * t / 2 + lying * (t + (p.B - t) / 2)) / plates;
                const double y = (upright * p.H / 2 + lying * t / 2) / plates;
                EXPECT_GE(p.E / x, 0.9);
                EXPECT_LE(p.E / x, 1.0);
                EXPECT_GE(p.F / y, 0.9);
                EXPECT_LE(p.F / y, 1.0);
            }
        }
    }
}

}  // namespace
