#include "platform/sectionserver/BuiltinSectionServer.h"

#include <optional>

#include "platform/sectionserver/SteelProfiles.h"

namespace {

constexpr int32_t RefusedProfile = 1;

std::optional<ProfileFamily> FamilyOfCode(int32_t code) {
    switch (code) {
        case 1: return ProfileFamily::IPE;
        case 2: return ProfileFamily::HEA;
        case 3: return ProfileFamily::HEB;
        case 4: return ProfileFamily::HEM;
        case 5:
        case 6: return ProfileFamily::EqualAngle;
        case 7:
        case 8: return ProfileFamily::UPN;
        default: return std::nullopt;
    }
}

// The profile that a code and the server's second identifier (row + 1) designate.
const SteelProfile* ProfileOf(ProfileFamily family, int32_t idB) {
    auto profiles = ProfilesOf(family);
    if (idB < 1 || idB > static_cast<int64_t>(profiles.size())) return nullptr;
    return &profiles[static_cast<size_t>(idB - 1)];
}

// The centroid from the bottom-left corner: channels stand with the web at the left, angles
// with the heel at the bottom left.
void CentroidOf(ProfileFamily family, const SteelProfile& p, double& cx, double& cy) {
    cx = p.B / 2;
    cy = p.H / 2;
    if (family == ProfileFamily::UPN) cx = p.E;
    if (family == ProfileFamily::EqualAngle) cx = cy = p.E;
}

}  // namespace

ServerCallResult BuiltinSectionServer::NewID(int32_t& code, int32_t& id, int32_t& idA,
                                             int32_t& idB) {
    auto family = FamilyOfCode(code);
    if (!family) return ServerCallResult::UnknownProfile;
    int32_t row = FindProfileRow(*family, id);
    if (row < 0) return ServerCallResult::UnknownProfile;
    idA = code;
    idB = row + 1;
    return ServerCallResult::Answered;
}

ServerCallResult BuiltinSectionServer::DatiSezione(int32_t& idA, int32_t& idB,
                                                   ServerProperties& properties,
                                                   std::string& name, int32_t& count,
                                                   ServerGeometry& geometry, int32_t& error) {
    auto family = FamilyOfCode(idA);
    const SteelProfile* p = family ? ProfileOf(*family, idB) : nullptr;
    if (!p) {
        error = RefusedProfile;
        return ServerCallResult::Answered;
    }
    properties[0] = p->B;
    properties[1] = p->H;
    properties[2] = p->Tw;
    properties[3] = p->Tf;
    properties[4] = p->Area;
    CentroidOf(*family, *p, geometry[33], geometry[32]);
    name = ProfileName(*family, *p);
    count = 1;
    error = 0;
    return ServerCallResult::Answered;
}

ServerCallResult BuiltinSectionServer::DatiComposte(int32_t& code, int32_t& idB,
                                                    ServerProperties& properties,
                                                    std::string& name, ServerGeometry& geometry,
                                                    int32_t& error) {
    auto family = FamilyOfCode(code);
    const SteelProfile* p = family ? ProfileOf(*family, idB) : nullptr;
    if (!p) {
        error = RefusedProfile;
        return ServerCallResult::Answered;
    }
    const double gap = properties[9] > 0 ? properties[9] : 0;
    // Two profiles side by side, or four angles around a square, the gap between them; the
    // coupled section is symmetric, its centroid in the middle.
    const bool fourAngles = *family == ProfileFamily::EqualAngle;
    const double width = 2 * p->B + gap;
    const double height = fourAngles ? 2 * p->H + gap : p->H;
    properties[0] = width;
    properties[1] = height;
    properties[2] = p->Tw;
    properties[3] = p->Tf;
    properties[4] = (fourAngles ? 4 : 2) * p->Area;
    geometry[33] = width / 2;
    geometry[32] = height / 2;
    name = ProfileName(*family, *p);
    error = 0;
    return ServerCallResult::Answered;
}
