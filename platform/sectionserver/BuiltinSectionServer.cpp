#include "platform/sectionserver/BuiltinSectionServer.h"

#include <cstdint>
#include <optional>
#include <span>

#include "platform/sectionserver/SteelProfiles.h"

namespace {

constexpr int32_t RefusedProfile = 1;

// A family under a catalogue code: its profile numbers are the family's own plus NumberBase.
// Families of one shape share the codes that draw and place that shape.
struct CodeFamily {
    ProfileFamily Family;
    int32_t NumberBase;
};

constexpr int32_t SecondFamilyBase = 10000;

std::span<const CodeFamily> FamiliesOfCode(int32_t code) {
    static constexpr CodeFamily IShapes[] = {{ProfileFamily::IPE, 0}, {ProfileFamily::IPN, SecondFamilyBase}};
    static constexpr CodeFamily HeA[] = {{ProfileFamily::HEA, 0}, {ProfileFamily::HEAA, SecondFamilyBase}};
    static constexpr CodeFamily HeB[] = {{ProfileFamily::HEB, 0}};
    static constexpr CodeFamily HeM[] = {{ProfileFamily::HEM, 0}};
    // Unequal-angle numbers start at 302003 (L 30x20x3), beyond every equal angle's.
    static constexpr CodeFamily Angles[] = {{ProfileFamily::EqualAngle, 0}, {ProfileFamily::UnequalAngle, 0}};
    static constexpr CodeFamily Channels[] = {{ProfileFamily::UPN, 0}, {ProfileFamily::UPE, SecondFamilyBase}};
    switch (code) {
        case 1: return IShapes;
        case 2: return HeA;
        case 3: return HeB;
        case 4: return HeM;
        case 5:
        case 6: return Angles;
        case 7:
        case 8: return Channels;
        default: return {};
    }
}

// The server's second identifier counts the profiles of a code from 1, family after family.
struct FoundProfile {
    ProfileFamily Family;
    const SteelProfile* Profile;
};

std::optional<FoundProfile> ProfileOf(int32_t code, int32_t idB) {
    int64_t row = static_cast<int64_t>(idB) - 1;
    if (row < 0) return std::nullopt;
    for (const CodeFamily& f : FamiliesOfCode(code)) {
        auto profiles = ProfilesOf(f.Family);
        if (row < static_cast<int64_t>(profiles.size()))
            return FoundProfile{f.Family, &profiles[static_cast<size_t>(row)]};
        row -= static_cast<int64_t>(profiles.size());
    }
    return std::nullopt;
}

// idB of `number` under `code`, or 0 when no profile of the code has that number.
int32_t IdentifierOf(int32_t code, int32_t number) {
    int32_t before = 0;
    for (const CodeFamily& f : FamiliesOfCode(code)) {
        const int64_t own = static_cast<int64_t>(number) - f.NumberBase;
        const int32_t row = own > 0 && own <= INT32_MAX ? FindProfileRow(f.Family, static_cast<int32_t>(own)) : -1;
        if (row >= 0) return before + row + 1;
        before += static_cast<int32_t>(ProfilesOf(f.Family).size());
    }
    return 0;
}

// The centroid from the bottom-left corner: channels stand with the web at the left, angles
// with the heel at the bottom left.
void CentroidOf(ProfileFamily family, const SteelProfile& p, double& cx, double& cy) {
    cx = p.B / 2;
    cy = p.H / 2;
    if (IsChannel(family)) cx = p.E;
    if (IsAngle(family)) {
        cx = p.E;
        cy = p.F;
    }
}

}  // namespace

ServerCallResult BuiltinSectionServer::NewID(int32_t& code, int32_t& id, int32_t& idA,
                                             int32_t& idB) {
    const int32_t identifier = IdentifierOf(code, id);
    if (identifier == 0) return ServerCallResult::UnknownProfile;
    idA = code;
    idB = identifier;
    return ServerCallResult::Answered;
}

ServerCallResult BuiltinSectionServer::DatiSezione(int32_t& idA, int32_t& idB,
                                                   ServerProperties& properties,
                                                   std::string& name, int32_t& count,
                                                   ServerGeometry& geometry, int32_t& error) {
    const auto found = ProfileOf(idA, idB);
    if (!found) {
        error = RefusedProfile;
        return ServerCallResult::Answered;
    }
    const SteelProfile* p = found->Profile;
    properties[0] = p->B;
    properties[1] = p->H;
    properties[2] = p->Tw;
    properties[3] = p->Tf;
    properties[4] = p->Area;
    CentroidOf(found->Family, *p, geometry[33], geometry[32]);
    name = ProfileName(found->Family, *p);
    count = 1;
    error = 0;
    return ServerCallResult::Answered;
}

ServerCallResult BuiltinSectionServer::DatiComposte(int32_t& code, int32_t& idB,
                                                    ServerProperties& properties,
                                                    std::string& name, ServerGeometry& geometry,
                                                    int32_t& error) {
    const auto found = ProfileOf(code, idB);
    if (!found) {
        error = RefusedProfile;
        return ServerCallResult::Answered;
    }
    const SteelProfile* p = found->Profile;
    const double gap = properties[9] > 0 ? properties[9] : 0;
    // Two profiles side by side, or four angles around a rectangle, the gap between them; the
    // coupled section is symmetric, its centroid in the middle.
    const bool fourAngles = IsAngle(found->Family);
    const double width = 2 * p->B + gap;
    const double height = fourAngles ? 2 * p->H + gap : p->H;
    properties[0] = width;
    properties[1] = height;
    properties[2] = p->Tw;
    properties[3] = p->Tf;
    properties[4] = (fourAngles ? 4 : 2) * p->Area;
    geometry[33] = width / 2;
    geometry[32] = height / 2;
    name = ProfileName(found->Family, *p);
    error = 0;
    return ServerCallResult::Answered;
}
