#pragma once
// The section-properties server: the sizes, centroid and name of catalogue steel profiles.
// A profile is asked for by its catalogue code and number; NewID turns them into the server's
// two identifiers, which DatiSezione (one profile) or DatiComposte (coupled profiles) answer
// for. Every argument passes by reference, in the order of the server's methods.
#include <array>
#include <cstdint>
#include <string>

// 0 width, 1 height, 2 and 3 further sizes, in mm; 4 a value taken unscaled; 9 an input of
// DatiComposte (the gap between coupled profiles, mm).
using ServerProperties = std::array<double, 10>;
// 32 and 33: the centroid's y and x, mm, from the bottom-left corner of the enclosing box.
using ServerGeometry = std::array<double, 34>;

// Whether a call was answered. A server refuses the data of a profile through the error
// argument of DatiSezione and DatiComposte; these values say that there was no answer at all.
enum class ServerCallResult {
    Answered,
    UnknownProfile,  // NewID: no profile of the catalogue has this code and number
    Unavailable,     // the server could not be reached or failed during the call
};

class SectionPropertiesServer {
public:
    virtual ~SectionPropertiesServer() = default;
    virtual ServerCallResult NewID(int32_t& code, int32_t& id, int32_t& idA, int32_t& idB) = 0;
    // error 0: properties, name and geometry hold the profile; count is the number of profiles.
    virtual ServerCallResult DatiSezione(int32_t& idA, int32_t& idB, ServerProperties& properties,
                                         std::string& name, int32_t& count,
                                         ServerGeometry& geometry, int32_t& error) = 0;
    // error 0: properties and geometry hold the coupled section, name the single profile's name.
    virtual ServerCallResult DatiComposte(int32_t& code, int32_t& idB, ServerProperties& properties,
                                          std::string& name, ServerGeometry& geometry,
                                          int32_t& error) = 0;
};
