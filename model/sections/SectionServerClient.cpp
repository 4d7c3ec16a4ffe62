#include "model/sections/SectionServerClient.h"

#include <string>

namespace {

// The gap between coupled profiles handed to the server, mm.
constexpr double CoupledProfileGap = 10.0;

ServerSection ConvertAnswer(const ServerProperties& properties, const std::string& name,
                            const ServerGeometry& geometry) {
    ServerSection section;
    section.Name = name;
    section.Height = static_cast<float>(properties[1] / 10);
    section.Width = static_cast<float>(properties[0] / 10);
    section.Value2 = static_cast<float>(properties[2] / 10);
    section.Value3 = static_cast<float>(properties[3] / 10);
    section.Value4 = static_cast<float>(properties[4]);
    section.CentroidOffsetX = static_cast<float>(properties[0] / 20 - geometry[33] / 10);
    section.CentroidOffsetY = static_cast<float>(properties[1] / 20 - geometry[32] / 10);
    return section;
}

// A profile the server refused still takes its place in the table, drawn as a 1 × 1 cm box.
ServerSection RefusedProfile() {
    ServerSection section;
    section.Width = 1;
    section.Height = 1;
    return section;
}

}  // namespace

ServerCallResult RequestNewSectionId(SectionPropertiesServer& server, int32_t code, int32_t id,
                                     int32_t& idA, int32_t& idB) {
    idA = 0;
    idB = 0;
    return server.NewID(code, id, idA, idB);
}

ServerFetch FetchServerSectionData(SectionPropertiesServer& server, int32_t idA, int32_t idB) {
    ServerProperties properties{};
    ServerGeometry geometry{};
    std::string name;
    int32_t count = 0, error = 0;
    ServerFetch fetch;
    fetch.Result = server.DatiSezione(idA, idB, properties, name, count, geometry, error);
    if (fetch.Result == ServerCallResult::Answered)
        fetch.Section = error == 0 ? ConvertAnswer(properties, name, geometry) : RefusedProfile();
    return fetch;
}

ServerFetch FetchServerCompositeData(SectionPropertiesServer& server, int32_t code, int32_t idB) {
    ServerProperties properties{};
    ServerGeometry geometry{};
    properties[9] = CoupledProfileGap;
    std::string name;
    int32_t error = 0;
    ServerFetch fetch;
    fetch.Result = server.DatiComposte(code, idB, properties, name, geometry, error);
    if (fetch.Result == ServerCallResult::Answered)
        fetch.Section = error == 0 ? ConvertAnswer(properties, name, geometry) : RefusedProfile();
    return fetch;
}

ServerRegistration RegisterServerSection(SectionCatalogue& catalogue,
                                         SectionPropertiesServer& server, int32_t kind,
                                         int32_t code, int32_t id) {
    ServerRegistration registration;
    int32_t idA = 0, idB = 0;
    registration.Result = RequestNewSectionId(server, code, id, idA, idB);
    if (registration.Result != ServerCallResult::Answered && registration.Result != ServerCallResult::UnknownProfile)
        return registration;

    // A profile the catalogue lacks keeps its section's place like one whose data were refused.
    ServerFetch fetch;
    if (registration.Result == ServerCallResult::UnknownProfile) fetch.Section = RefusedProfile();
    else if (kind == CatalogueProfile) fetch = FetchServerSectionData(server, idA, idB);
    else fetch = FetchServerCompositeData(server, code, idB);
    if (fetch.Result != ServerCallResult::Answered) {
        registration.Result = fetch.Result;
        return registration;
    }

    if (catalogue.ServerSectionCount < 0) catalogue.ServerSectionCount = 0;
    registration.Index = catalogue.ServerSectionCount;
    if (catalogue.ServerSections.size() <= static_cast<size_t>(registration.Index))
        catalogue.ServerSections.resize(static_cast<size_t>(registration.Index) + 1);
    catalogue.ServerSections[registration.Index] = std::move(fetch.Section);
    ++catalogue.ServerSectionCount;
    return registration;
}
