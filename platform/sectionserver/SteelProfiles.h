#pragma once
// Public standard dimensions of common European hot-rolled steel profiles.
#include <cstdint>
#include <span>
#include <string>

enum class ProfileFamily { IPE, HEA, HEB, HEM, UPN, EqualAngle, IPN, HEAA, UPE, UnequalAngle };

struct SteelProfile {
    // The size within the family: the nominal size; for angles the legs and the thickness in mm,
    // leg × 100 + thickness (equal legs) or long leg × 10000 + short leg × 100 + thickness, which
    // keeps every number within the integers a single-precision archive value holds exactly.
    int32_t Number;
    double H, B;     // height and width, mm; an unequal angle's long leg stands upright
    double Tw, Tf;   // web and flange thickness, mm (an angle's thickness twice)
    double Area;     // cm²
    double E;        // channels: web back to centroid; angles: back of the upright leg to centroid; mm, or 0
    double F = 0;    // angles: back of the lying leg to centroid, mm
};

std::span<const SteelProfile> ProfilesOf(ProfileFamily family);
// Row of `number` in the family's table, or -1.
int32_t FindProfileRow(ProfileFamily family, int32_t number);
// "IPE 300", "HE 200 A", "HE 200 AA", "UPN 200", "L 100x10", "L 100x50x8".
std::string ProfileName(ProfileFamily family, const SteelProfile& profile);

bool IsChannel(ProfileFamily family);
bool IsAngle(ProfileFamily family);
