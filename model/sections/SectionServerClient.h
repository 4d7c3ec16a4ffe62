#pragma once
// Client of the section-properties server: catalogue profiles (class 1) and coupled profiles
// (class 2) of the archive are completed with the server's sizes, centroid and name, converted
// from millimetres to centimetres and appended to the catalogue's ServerSections.
#include <cstdint>

#include "model/tables/SectionCatalogue.h"
#include "platform/SectionPropertiesServer.h"

struct ServerFetch {
    ServerCallResult Result = ServerCallResult::Answered;
    // The profile, or, when the server refused it, an empty name and a 1 × 1 cm outline.
    ServerSection Section;
};

struct ServerRegistration {
    // UnknownProfile: the server does not know the profile, which got the record of a refused one.
    ServerCallResult Result = ServerCallResult::Answered;
    int32_t Index = -1;  // index of the new ServerSections record; -1 when none was added
};

// The server's two identifiers of the profile `id` of catalogue `code`.
ServerCallResult RequestNewSectionId(SectionPropertiesServer& server, int32_t code, int32_t id,
                                     int32_t& idA, int32_t& idB);
ServerFetch FetchServerSectionData(SectionPropertiesServer& server, int32_t idA, int32_t idB);
ServerFetch FetchServerCompositeData(SectionPropertiesServer& server, int32_t code, int32_t idB);

// Asks the server for one class 1 (kind 1) or class 2 (any other kind) section and appends its
// record; indexes run 0, 1, 2 ... in the order of registration, whatever the kind. A profile the
// server does not know is appended as a refused one would be (empty name, 1 × 1 cm); a server that
// does not answer adds no record.
ServerRegistration RegisterServerSection(SectionCatalogue& catalogue,
                                         SectionPropertiesServer& server, int32_t kind,
                                         int32_t code, int32_t id);
