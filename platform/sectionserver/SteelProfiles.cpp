#include "platform/sectionserver/SteelProfiles.h"

#include <array>

namespace {

// Height, width, web, flange, area (EN 10365 / Euronorm 19-57).
constexpr std::array<SteelProfile, 18> IpeTable{{
    {80, 80, 46, 3.8, 5.2, 7.64, 0},      {100, 100, 55, 4.1, 5.7, 10.3, 0},
    {120, 120, 64, 4.4, 6.3, 13.2, 0},    {140, 140, 73, 4.7, 6.9, 16.4, 0},
    {160, 160, 82, 5.0, 7.4, 20.1, 0},    {180, 180, 91, 5.3, 8.0, 23.9, 0},
    {200, 200, 100, 5.6, 8.5, 28.5, 0},   {220, 220, 110, 5.9, 9.2, 33.4, 0},
    {240, 240, 120, 6.2, 9.8, 39.1, 0},   {270, 270, 135, 6.6, 10.2, 45.9, 0},
    {300, 300, 150, 7.1, 10.7, 53.8, 0},  {330, 330, 160, 7.5, 11.5, 62.6, 0},
    {360, 360, 170, 8.0, 12.7, 72.7, 0},  {400, 400, 180, 8.6, 13.5, 84.5, 0},
    {450, 450, 190, 9.4, 14.6, 98.8, 0},  {500, 500, 200, 10.2, 16.0, 116, 0},
    {550, 550, 210, 11.1, 17.2, 134, 0},  {600, 600, 220, 12.0, 19.0, 156, 0},
}};

constexpr std::array<SteelProfile, 24> HeaTable{{
    {100, 96, 100, 5, 8, 21.2, 0},        {120, 114, 120, 5, 8, 25.3, 0},
    {140, 133, 140, 5.5, 8.5, 31.4, 0},   {160, 152, 160, 6, 9, 38.8, 0},
    {180, 171, 180, 6, 9.5, 45.3, 0},     {200, 190, 200, 6.5, 10, 53.8, 0},
    {220, 210, 220, 7, 11, 64.3, 0},      {240, 230, 240, 7.5, 12, 76.8, 0},
    {260, 250, 260, 7.5, 12.5, 86.8, 0},  {280, 270, 280, 8, 13, 97.3, 0},
    {300, 290, 300, 8.5, 14, 112.5, 0},   {320, 310, 300, 9, 15.5, 124.4, 0},
    {340, 330, 300, 9.5, 16.5, 133.5, 0}, {360, 350, 300, 10, 17.5, 142.8, 0},
    {400, 390, 300, 11, 19, 159.0, 0},    {450, 440, 300, 11.5, 21, 178.0, 0},
    {500, 490, 300, 12, 23, 197.5, 0},    {550, 540, 300, 12.5, 24, 211.8, 0},
    {600, 590, 300, 13, 25, 226.5, 0},    {650, 640, 300, 13.5, 26, 241.6, 0},
    {700, 690, 300, 14.5, 27, 260.5, 0},  {800, 790, 300, 15, 28, 285.8, 0},
    {900, 890, 300, 16, 30, 320.5, 0},    {1000, 990, 300, 16.5, 31, 346.8, 0},
}};

constexpr std::array<SteelProfile, 24> HebTable{{
    {100, 100, 100, 6, 10, 26.0, 0},      {120, 120, 120, 6.5, 11, 34.0, 0},
    {140, 140, 140, 7, 12, 43.0, 0},      {160, 160, 160, 8, 13, 54.3, 0},
    {180, 180, 180, 8.5, 14, 65.3, 0},    {200, 200, 200, 9, 15, 78.1, 0},
    {220, 220, 220, 9.5, 16, 91.0, 0},    {240, 240, 240, 10, 17, 106.0, 0},
    {260, 260, 260, 10, 17.5, 118.4, 0},  {280, 280, 280, 10.5, 18, 131.4, 0},
    {300, 300, 300, 11, 19, 149.1, 0},    {320, 320, 300, 11.5, 20.5, 161.3, 0},
    {340, 340, 300, 12, 21.5, 170.9, 0},  {360, 360, 300, 12.5, 22.5, 180.6, 0},
    {400, 400, 300, 13.5, 24, 197.8, 0},  {450, 450, 300, 14, 26, 218.0, 0},
    {500, 500, 300, 14.5, 28, 238.6, 0},  {550, 550, 300, 15, 29, 254.1, 0},
    {600, 600, 300, 15.5, 30, 270.0, 0},  {650, 650, 300, 16, 31, 286.3, 0},
    {700, 700, 300, 17, 32, 306.4, 0},    {800, 800, 300, 17.5, 33, 334.2, 0},
    {900, 900, 300, 18.5, 35, 371.3, 0},  {1000, 1000, 300, 19, 36, 400.0, 0},
}};

constexpr std::array<SteelProfile, 24> HemTable{{
    {100, 120, 106, 12, 20, 53.2, 0},     {120, 140, 126, 12.5, 21, 66.4, 0},
    {140, 160, 146, 13, 22, 80.6, 0},     {160, 180, 166, 14, 23, 97.1, 0},
    {180, 200, 186, 14.5, 24, 113.3, 0},  {200, 220, 206, 15, 25, 131.3, 0},
    {220, 240, 226, 15.5, 26, 149.4, 0},  {240, 270, 248, 18, 32, 199.6, 0},
    {260, 290, 268, 18, 32.5, 219.6, 0},  {280, 310, 288, 18.5, 33, 240.2, 0},
    {300, 340, 310, 21, 39, 303.1, 0},    {320, 359, 309, 21, 40, 312.0, 0},
    {340, 377, 309, 21, 40, 315.8, 0},    {360, 395, 308, 21, 40, 318.8, 0},
    {400, 432, 307, 21, 40, 325.8, 0},    {450, 478, 307, 21, 40, 335.4, 0},
    {500, 524, 306, 21, 40, 344.3, 0},    {550, 572, 306, 21, 40, 354.4, 0},
    {600, 620, 305, 21, 40, 363.7, 0},    {650, 668, 305, 21, 40, 373.7, 0},
    {700, 716, 304, 21, 40, 383.0, 0},    {800, 814, 303, 21, 40, 404.3, 0},
    {900, 910, 302, 21, 40, 423.6, 0},    {1000, 1008, 302, 21, 40, 444.2, 0},
}};

// Height, width, web, flange, area, web back to centroid (DIN 1026-1 / EN 10279).
constexpr std::array<SteelProfile, 16> UpnTable{{
    {80, 80, 45, 6, 8, 11.0, 14.5},       {100, 100, 50, 6, 8.5, 13.5, 15.5},
    {120, 120, 55, 7, 9, 17.0, 16.0},     {140, 140, 60, 7, 10, 20.4, 17.5},
    {160, 160, 65, 7.5, 10.5, 24.0, 18.4}, {180, 180, 70, 8, 11, 28.0, 19.2},
    {200, 200, 75, 8.5, 11.5, 32.2, 20.1}, {220, 220, 80, 9, 12.5, 37.4, 21.4},
    {240, 240, 85, 9.5, 13, 42.3, 22.3},  {260, 260, 90, 10, 14, 48.3, 23.6},
    {280, 280, 95, 10, 15, 53.3, 25.3},   {300, 300, 100, 10, 16, 58.8, 27.0},
    {320, 320, 100, 14, 17.5, 75.8, 26.0}, {350, 350, 100, 14, 16, 77.3, 24.0},
    {380, 380, 102, 13.5, 16, 80.4, 23.8}, {400, 400, 110, 14, 18, 91.5, 26.5},
}};

// Leg, leg, thickness, thickness, area, heel to centroid along either leg (EN 10056-1).
constexpr SteelProfile Angle(int32_t leg, int32_t t, double area, double eCm) {
    return {leg * 100 + t, double(leg), double(leg), double(t), double(t), area, eCm * 10, eCm * 10};
}
constexpr std::array<SteelProfile, 41> AngleTable{{
    Angle(20, 3, 1.12, 0.60),   Angle(25, 3, 1.42, 0.72),   Angle(25, 4, 1.85, 0.76),
    Angle(30, 3, 1.74, 0.84),   Angle(30, 4, 2.27, 0.89),   Angle(35, 4, 2.67, 1.00),
    Angle(40, 4, 3.08, 1.12),   Angle(40, 5, 3.79, 1.16),   Angle(50, 4, 3.89, 1.36),
    Angle(50, 5, 4.80, 1.40),   Angle(50, 6, 5.69, 1.45),   Angle(60, 5, 5.82, 1.64),
    Angle(60, 6, 6.91, 1.69),   Angle(60, 8, 9.03, 1.77),   Angle(65, 7, 8.70, 1.85),
    Angle(70, 6, 8.13, 1.93),   Angle(70, 7, 9.40, 1.97),   Angle(75, 6, 8.73, 2.05),
    Angle(75, 8, 11.4, 2.14),   Angle(80, 8, 12.3, 2.26),   Angle(80, 10, 15.1, 2.34),
    Angle(90, 7, 12.2, 2.45),   Angle(90, 8, 13.9, 2.50),   Angle(90, 9, 15.5, 2.54),
    Angle(90, 10, 17.1, 2.58),  Angle(100, 8, 15.5, 2.74),  Angle(100, 10, 19.2, 2.82),
    Angle(100, 12, 22.7, 2.90), Angle(120, 10, 23.2, 3.31), Angle(120, 12, 27.5, 3.40),
    Angle(130, 12, 30.0, 3.64), Angle(150, 10, 29.3, 4.03), Angle(150, 12, 34.8, 4.12),
    Angle(150, 15, 43.0, 4.25), Angle(160, 15, 46.1, 4.49), Angle(180, 18, 61.9, 5.10),
    Angle(200, 16, 61.8, 5.52), Angle(200, 18, 69.1, 5.60), Angle(200, 20, 76.3, 5.68),
    Angle(200, 24, 90.6, 5.84), Angle(250, 28, 133, 7.24),
}};

// Height, width, web, flange (mean thickness of the tapered flange), area (DIN 1025-1 / EN 10365).
constexpr std::array<SteelProfile, 23> IpnTable{{
    {80, 80, 42, 3.9, 5.9, 7.57, 0},      {100, 100, 50, 4.5, 6.8, 10.6, 0},
    {120, 120, 58, 5.1, 7.7, 14.2, 0},    {140, 140, 66, 5.7, 8.6, 18.2, 0},
    {160, 160, 74, 6.3, 9.5, 22.8, 0},    {180, 180, 82, 6.9, 10.4, 27.9, 0},
    {200, 200, 90, 7.5, 11.3, 33.4, 0},   {220, 220, 98, 8.1, 12.2, 39.5, 0},
    {240, 240, 106, 8.7, 13.1, 46.1, 0},  {260, 260, 113, 9.4, 14.1, 53.3, 0},
    {280, 280, 119, 10.1, 15.2, 61.0, 0}, {300, 300, 125, 10.8, 16.2, 69.0, 0},
    {320, 320, 131, 11.5, 17.3, 77.7, 0}, {340, 340, 137, 12.2, 18.3, 86.7, 0},
    {360, 360, 143, 13.0, 19.5, 97.0, 0}, {380, 380, 149, 13.7, 20.5, 107, 0},
    {400, 400, 155, 14.4, 21.6, 118, 0},  {425, 425, 163, 15.3, 23.0, 132, 0},
    {450, 450, 170, 16.2, 24.3, 147, 0},  {475, 475, 178, 17.1, 25.6, 163, 0},
    {500, 500, 185, 18.0, 27.0, 179, 0},  {550, 550, 200, 19.0, 30.0, 212, 0},
    {600, 600, 215, 21.6, 32.4, 254, 0},
}};

// Height, width, web, flange, area (EN 10365 / Euronorm 53-62).
constexpr std::array<SteelProfile, 24> HeaaTable{{
    {100, 91, 100, 4.2, 5.5, 15.6, 0},     {120, 109, 120, 4.2, 5.5, 18.6, 0},
    {140, 128, 140, 4.3, 6, 23.0, 0},      {160, 148, 160, 4.5, 7, 30.4, 0},
    {180, 167, 180, 5, 7.5, 36.5, 0},      {200, 186, 200, 5.5, 8, 44.1, 0},
    {220, 205, 220, 6, 8.5, 51.5, 0},      {240, 224, 240, 6.5, 9, 60.4, 0},
    {260, 244, 260, 6.5, 9.5, 69.0, 0},    {280, 264, 280, 7, 10, 78.0, 0},
    {300, 283, 300, 7.5, 10.5, 88.9, 0},   {320, 301, 300, 8, 11, 94.6, 0},
    {340, 320, 300, 8.5, 11.5, 100.5, 0},  {360, 339, 300, 9, 12, 106.6, 0},
    {400, 378, 300, 9.5, 13, 117.7, 0},    {450, 425, 300, 10, 13.5, 127.1, 0},
    {500, 472, 300, 10.5, 14, 136.9, 0},   {550, 522, 300, 11.5, 15, 152.8, 0},
    {600, 571, 300, 12, 15.5, 164.1, 0},   {650, 620, 300, 12.5, 16, 175.8, 0},
    {700, 670, 300, 13, 17, 190.9, 0},     {800, 770, 300, 14, 18, 218.5, 0},
    {900, 870, 300, 15, 20, 252.2, 0},     {1000, 970, 300, 16, 21, 282.2, 0},
}};

// Height, width, web, flange, area, web back to centroid (EN 10279, parallel flanges).
constexpr std::array<SteelProfile, 14> UpeTable{{
    {80, 80, 50, 4, 7, 10.1, 18.2},        {100, 100, 55, 4.5, 7.5, 12.5, 19.1},
    {120, 120, 60, 5, 8, 15.4, 19.8},      {140, 140, 65, 5, 9, 18.4, 21.7},
    {160, 160, 70, 5.5, 9.5, 21.7, 22.7},  {180, 180, 75, 5.5, 10.5, 25.1, 24.7},
    {200, 200, 80, 6, 11, 29.0, 25.6},     {220, 220, 85, 6.5, 12, 33.9, 27.0},
    {240, 240, 90, 7, 12.5, 38.5, 27.9},   {270, 270, 95, 7.5, 13.5, 44.8, 28.9},
    {300, 300, 100, 9.5, 15, 56.6, 28.9},  {330, 330, 105, 11, 16, 67.8, 29.0},
    {360, 360, 110, 12, 17, 77.9, 29.7},   {400, 400, 115, 13.5, 18, 91.9, 29.8},
}};

// Long leg upright, short leg, thickness, area, centroid from the back of the short leg and from
// the back of the long leg (EN 10056-1).
constexpr SteelProfile UnequalAngle(int32_t longLeg, int32_t shortLeg, int32_t t, double area, double eyCm,
                                    double exCm) {
    return {longLeg * 10000 + shortLeg * 100 + t, double(longLeg), double(shortLeg), double(t), double(t), area,
            exCm * 10, eyCm * 10};
}
constexpr std::array<SteelProfile, 46> UnequalAngleTable{{
    UnequalAngle(30, 20, 3, 1.43, 0.99, 0.50),    UnequalAngle(30, 20, 4, 1.86, 1.03, 0.54),
    UnequalAngle(40, 20, 4, 2.26, 1.47, 0.48),    UnequalAngle(40, 25, 4, 2.46, 1.36, 0.62),
    UnequalAngle(45, 30, 4, 2.87, 1.48, 0.74),    UnequalAngle(50, 30, 5, 3.78, 1.73, 0.74),
    UnequalAngle(60, 30, 5, 4.28, 2.17, 0.68),    UnequalAngle(60, 40, 5, 4.79, 1.96, 0.97),
    UnequalAngle(60, 40, 6, 5.68, 2.00, 1.01),    UnequalAngle(65, 50, 5, 5.54, 1.99, 1.25),
    UnequalAngle(70, 50, 6, 6.89, 2.23, 1.25),    UnequalAngle(75, 50, 6, 7.19, 2.44, 1.21),
    UnequalAngle(75, 50, 8, 9.41, 2.52, 1.29),    UnequalAngle(80, 40, 6, 6.89, 2.85, 0.88),
    UnequalAngle(80, 40, 8, 9.01, 2.94, 0.95),    UnequalAngle(80, 60, 7, 9.38, 2.51, 1.52),
    UnequalAngle(100, 50, 6, 8.71, 3.51, 1.05),   UnequalAngle(100, 50, 8, 11.4, 3.60, 1.13),
    UnequalAngle(100, 65, 7, 11.2, 3.23, 1.51),   UnequalAngle(100, 65, 8, 12.7, 3.27, 1.55),
    UnequalAngle(100, 65, 10, 15.6, 3.36, 1.63),  UnequalAngle(100, 75, 8, 13.5, 3.10, 1.87),
    UnequalAngle(100, 75, 10, 16.6, 3.19, 1.95),  UnequalAngle(100, 75, 12, 19.7, 3.27, 2.03),
    UnequalAngle(120, 80, 8, 15.5, 3.83, 1.87),   UnequalAngle(120, 80, 10, 19.1, 3.92, 1.95),
    UnequalAngle(120, 80, 12, 22.7, 4.00, 2.03),  UnequalAngle(125, 75, 8, 15.5, 4.14, 1.68),
    UnequalAngle(125, 75, 10, 19.1, 4.23, 1.76),  UnequalAngle(125, 75, 12, 22.7, 4.31, 1.84),
    UnequalAngle(135, 65, 8, 15.5, 4.78, 1.34),   UnequalAngle(135, 65, 10, 19.1, 4.88, 1.42),
    UnequalAngle(150, 75, 9, 19.6, 5.26, 1.57),   UnequalAngle(150, 75, 10, 21.7, 5.31, 1.61),
    UnequalAngle(150, 75, 12, 25.7, 5.40, 1.69),  UnequalAngle(150, 75, 15, 31.7, 5.52, 1.81),
    UnequalAngle(150, 90, 10, 23.2, 5.00, 2.04),  UnequalAngle(150, 90, 12, 27.5, 5.08, 2.12),
    UnequalAngle(150, 90, 15, 33.9, 5.21, 2.23),  UnequalAngle(150, 100, 10, 24.2, 4.80, 2.34),
    UnequalAngle(150, 100, 12, 28.7, 4.89, 2.42), UnequalAngle(200, 100, 10, 29.2, 6.93, 2.01),
    UnequalAngle(200, 100, 12, 34.8, 7.03, 2.10), UnequalAngle(200, 100, 15, 43.0, 7.16, 2.22),
    UnequalAngle(200, 150, 12, 40.8, 6.08, 3.61), UnequalAngle(200, 150, 15, 50.5, 6.21, 3.73),
}};

}  // namespace

std::span<const SteelProfile> ProfilesOf(ProfileFamily family) {
    switch (family) {
        case ProfileFamily::IPE: return IpeTable;
        case ProfileFamily::HEA: return HeaTable;
        case ProfileFamily::HEB: return HebTable;
        case ProfileFamily::HEM: return HemTable;
        case ProfileFamily::UPN: return UpnTable;
        case ProfileFamily::EqualAngle: return AngleTable;
        case ProfileFamily::IPN: return IpnTable;
        case ProfileFamily::HEAA: return HeaaTable;
        case ProfileFamily::UPE: return UpeTable;
        case ProfileFamily::UnequalAngle: return UnequalAngleTable;
    }
    return {};
}

int32_t FindProfileRow(ProfileFamily family, int32_t number) {
    auto profiles = ProfilesOf(family);
    for (size_t i = 0; i < profiles.size(); ++i)
        if (profiles[i].Number == number) return static_cast<int32_t>(i);
    return -1;
}

std::string ProfileName(ProfileFamily family, const SteelProfile& p) {
    const std::string size = std::to_string(p.Number);
    switch (family) {
        case ProfileFamily::IPE: return "IPE " + size;
        case ProfileFamily::HEA: return "HE " + size + " A";
        case ProfileFamily::HEB: return "HE " + size + " B";
        case ProfileFamily::HEM: return "HE " + size + " M";
        case ProfileFamily::UPN: return "UPN " + size;
        case ProfileFamily::EqualAngle:
            return "L " + std::to_string(p.Number / 100) + "x" + std::to_string(p.Number % 100);
        case ProfileFamily::IPN: return "IPN " + size;
        case ProfileFamily::HEAA: return "HE " + size + " AA";
        case ProfileFamily::UPE: return "UPE " + size;
        case ProfileFamily::UnequalAngle:
            // From the sizes: a short leg of 100 or more runs into the long leg's digits of the number.
            return "L " + std::to_string(static_cast<int32_t>(p.H)) + "x" + std::to_string(static_cast<int32_t>(p.B)) +
                   "x" + std::to_string(static_cast<int32_t>(p.Tf));
    }
    return size;
}

bool IsChannel(ProfileFamily family) { return family == ProfileFamily::UPN || family == ProfileFamily::UPE; }

bool IsAngle(ProfileFamily family) {
    return family == ProfileFamily::EqualAngle || family == ProfileFamily::UnequalAngle;
}
