#pragma once
// Public standard dimensions of common European hot-rolled steel profiles.
#include <cstdint>
#include <span>
#include <string>

enum class ProfileFamily { IPE, HEA, HEB, HEM, UPN, EqualAngle };

struct SteelProfile {
    int32_t Number;  // the catalogue number: nominal size, or leg × 100 + thickness for angles
    double H, B;     // height and width, mm
    double Tw, Tf;   // web and flange thickness, mm (an angle's thickness twice)
    double Area;     // cm²
    double E;        // UPN: web back to centroid; angles: heel to centroid; mm (0 otherwise)
};

std::span<const SteelProfile> ProfilesOf(ProfileFamily family);
// Row of `number` in the family's table, or -1.
int32_t FindProfileRow(ProfileFamily family, int32_t number);
// "IPE 300", "HE 200 A", "UPN 200", "L 100x10".
std::string ProfileName(ProfileFamily family, const SteelProfile& profile);
