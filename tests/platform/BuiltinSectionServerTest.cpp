#include "platform/sectionserver/BuiltinSectionServer.h"

#include <gtest/gtest.h>

#include <set>

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

TEST(BuiltinSectionServerTest, UnknownProfilesAndIdentifiersAreRefused) {
    BuiltinSectionServer server;
    EXPECT_EQ(AskSingle(server, 1, 301).Result, ServerCallResult::UnknownProfile);
    EXPECT_EQ(AskSingle(server, 0, 300).Result, ServerCallResult::UnknownProfile);
    EXPECT_EQ(AskSingle(server, 9, 300).Result, ServerCallResult::UnknownProfile);

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

TEST(SteelProfilesTest, TablesAreConsistent) {
    for (auto family : {ProfileFamily::IPE, ProfileFamily::HEA, ProfileFamily::HEB,
                        ProfileFamily::HEM, ProfileFamily::UPN, ProfileFamily::EqualAngle}) {
        std::set<int32_t> numbers;
        double lastArea = 0;
        for (const SteelProfile& p : ProfilesOf(family)) {
            EXPECT_TRUE(numbers.insert(p.Number).second) << p.Number;
            EXPECT_GT(p.H, 2 * p.Tf) << p.Number;
            EXPECT_GT(p.B, p.Tw) << p.Number;
            EXPECT_LT(p.E, p.B) << p.Number;
            // The area lies between the flanges alone and the full box.
            double flangesCm2 = (family == ProfileFamily::EqualAngle ? 1 : 2) * p.B * p.Tf / 100;
            EXPECT_GT(p.Area, flangesCm2 * 0.9) << p.Number;
            EXPECT_LT(p.Area, p.B * p.H / 100) << p.Number;
            if (family != ProfileFamily::EqualAngle && family != ProfileFamily::UPN) {
                EXPECT_GT(p.Area, lastArea) << p.Number;
                lastArea = p.Area;
            }
        }
        EXPECT_GT(numbers.size(), 10u);
    }
}

}  // namespace
