#include "model/sections/SectionServerClient.h"

#include <gtest/gtest.h>

#include "platform/sectionserver/BuiltinSectionServer.h"

namespace {

// A server answering one fixed profile, or refusing, or not answering at all.
class ScriptedServer : public SectionPropertiesServer {
public:
    ServerCallResult NewIdResult = ServerCallResult::Answered;
    ServerCallResult DataResult = ServerCallResult::Answered;
    int32_t Error = 0;
    double Width = 300, Height = 500, CentroidX = 150, CentroidY = 250;
    std::string Name = "P1";
    int NewIdCalls = 0, SingleCalls = 0, CompositeCalls = 0;
    double LastGapAsked = 0;

    ServerCallResult NewID(int32_t&, int32_t& id, int32_t& idA, int32_t& idB) override {
        ++NewIdCalls;
        EXPECT_EQ(idA, 0);
        EXPECT_EQ(idB, 0);
        idA = 7;
        idB = id;
        return NewIdResult;
    }
    ServerCallResult DatiSezione(int32_t&, int32_t&, ServerProperties& p, std::string& name,
                                 int32_t&, ServerGeometry& g, int32_t& error) override {
        ++SingleCalls;
        return Fill(p, name, g, error);
    }
    ServerCallResult DatiComposte(int32_t&, int32_t&, ServerProperties& p, std::string& name,
                                  ServerGeometry& g, int32_t& error) override {
        ++CompositeCalls;
        LastGapAsked = p[9];
        return Fill(p, name, g, error);
    }

private:
    ServerCallResult Fill(ServerProperties& p, std::string& name, ServerGeometry& g,
                          int32_t& error) {
        error = Error;
        if (Error == 0) {
            p[0] = Width;
            p[1] = Height;
            p[2] = 12;
            p[4] = 3.5;
            g[32] = CentroidY;
            g[33] = CentroidX;
            name = Name;
        }
        return DataResult;
    }
};

TEST(SectionServerClientTest, AnswerInMillimetresBecomesCentimetres) {
    ScriptedServer server;
    SectionCatalogue catalogue;
    ServerRegistration r = RegisterServerSection(catalogue, server, 1, 3, 42);
    ASSERT_EQ(r.Result, ServerCallResult::Answered);
    const ServerSection& s = catalogue.ServerSections.at(0);
    EXPECT_EQ(s.Name, "P1");
    EXPECT_FLOAT_EQ(s.Width, 30);
    EXPECT_FLOAT_EQ(s.Height, 50);
    EXPECT_FLOAT_EQ(s.CentroidOffsetX, 0);
    EXPECT_FLOAT_EQ(s.CentroidOffsetY, 0);
    EXPECT_FLOAT_EQ(s.Value2, 1.2f);
    EXPECT_FLOAT_EQ(s.Value4, 3.5f);

    server.CentroidX = 100;  // 5 cm left of the middle
    server.CentroidY = 300;
    RegisterServerSection(catalogue, server, 1, 3, 42);
    EXPECT_FLOAT_EQ(catalogue.ServerSections.at(1).CentroidOffsetX, 5);
    EXPECT_FLOAT_EQ(catalogue.ServerSections.at(1).CentroidOffsetY, -5);
}

TEST(SectionServerClientTest, IndexesFollowTheOrderOfRegistrationWhateverTheKind) {
    BuiltinSectionServer server;
    SectionCatalogue catalogue;
    EXPECT_EQ(RegisterServerSection(catalogue, server, 2, 7, 200).Index, 0);
    EXPECT_EQ(RegisterServerSection(catalogue, server, 1, 1, 300).Index, 1);
    EXPECT_EQ(RegisterServerSection(catalogue, server, 2, 1, 300).Index, 2);
    EXPECT_EQ(catalogue.ServerSectionCount, 3);

    const ServerSection& ipe = catalogue.ServerSections.at(1);
    EXPECT_EQ(ipe.Name, "IPE 300");
    EXPECT_FLOAT_EQ(ipe.Width, 15);
    EXPECT_FLOAT_EQ(ipe.Height, 30);
    EXPECT_FLOAT_EQ(ipe.CentroidOffsetX, 0);
    EXPECT_FLOAT_EQ(ipe.CentroidOffsetY, 0);

    const ServerSection& channels = catalogue.ServerSections.at(0);  // 2 × 75 mm + 10 mm gap
    EXPECT_EQ(channels.Name, "UPN 200");
    EXPECT_FLOAT_EQ(channels.Width, 16);
    EXPECT_FLOAT_EQ(channels.Height, 20);
}

TEST(SectionServerClientTest, KindSelectsTheServerCall) {
    ScriptedServer server;
    SectionCatalogue catalogue;
    RegisterServerSection(catalogue, server, 1, 1, 1);
    RegisterServerSection(catalogue, server, 2, 1, 1);
    RegisterServerSection(catalogue, server, 5, 1, 1);
    EXPECT_EQ(server.NewIdCalls, 3);
    EXPECT_EQ(server.SingleCalls, 1);
    EXPECT_EQ(server.CompositeCalls, 2);
    EXPECT_DOUBLE_EQ(server.LastGapAsked, 10.0);
}

// A refused profile, single or coupled, becomes an empty name on a 1 × 1 cm outline and never
// repeats the profile registered before it.
TEST(SectionServerClientTest, RefusedProfilesBecomeUnitBoxes) {
    for (int32_t kind : {1, 2}) {
        ScriptedServer server;
        SectionCatalogue catalogue;
        RegisterServerSection(catalogue, server, kind, 1, 1);
        server.Error = 5;
        ServerRegistration r = RegisterServerSection(catalogue, server, kind, 1, 2);
        ASSERT_EQ(r.Result, ServerCallResult::Answered);
        ASSERT_EQ(r.Index, 1);
        ServerSection expected;
        expected.Width = 1;
        expected.Height = 1;
        EXPECT_EQ(catalogue.ServerSections.at(1), expected) << "kind " << kind;
    }
}

// A profile the server does not know keeps its section's place as a refused one does, and the
// caller learns why.
TEST(SectionServerClientTest, UnknownProfilesBecomeUnitBoxesAndSaySo) {
    for (int32_t kind : {1, 2}) {
        ScriptedServer server;
        SectionCatalogue catalogue;
        RegisterServerSection(catalogue, server, kind, 1, 1);
        server.NewIdResult = ServerCallResult::UnknownProfile;
        ServerRegistration r = RegisterServerSection(catalogue, server, kind, 1, 2);
        EXPECT_EQ(r.Result, ServerCallResult::UnknownProfile);
        ASSERT_EQ(r.Index, 1);
        EXPECT_EQ(catalogue.ServerSectionCount, 2);
        EXPECT_EQ(server.SingleCalls + server.CompositeCalls, 1);  // no data asked for the unknown one
        ServerSection expected;
        expected.Width = 1;
        expected.Height = 1;
        EXPECT_EQ(catalogue.ServerSections.at(1), expected) << "kind " << kind;
    }
}

TEST(SectionServerClientTest, ServerWithoutAnswerAddsNoRecord) {
    ScriptedServer server;
    SectionCatalogue catalogue;
    server.NewIdResult = ServerCallResult::Unavailable;
    ServerRegistration r = RegisterServerSection(catalogue, server, 1, 1, 1);
    EXPECT_EQ(r.Result, ServerCallResult::Unavailable);
    EXPECT_EQ(r.Index, -1);
    EXPECT_EQ(server.SingleCalls, 0);

    server.NewIdResult = ServerCallResult::Answered;
    server.DataResult = ServerCallResult::Unavailable;
    r = RegisterServerSection(catalogue, server, 2, 1, 1);
    EXPECT_EQ(r.Result, ServerCallResult::Unavailable);
    EXPECT_EQ(r.Index, -1);
    EXPECT_EQ(catalogue.ServerSectionCount, 0);
}

}  // namespace
