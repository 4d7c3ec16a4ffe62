#pragma once
// Our own section-properties server, answering from a built-in catalogue of European hot-rolled
// profiles. The catalogue code selects the family (and, for coupled profiles, how they are
// placed); the number selects the size. docs/section-server.md lists the codes and numbers.
#include "platform/SectionPropertiesServer.h"

class BuiltinSectionServer : public SectionPropertiesServer {
public:
    ServerCallResult NewID(int32_t& code, int32_t& id, int32_t& idA, int32_t& idB) override;
    ServerCallResult DatiSezione(int32_t& idA, int32_t& idB, ServerProperties& properties,
                                 std::string& name, int32_t& count, ServerGeometry& geometry,
                                 int32_t& error) override;
    ServerCallResult DatiComposte(int32_t& code, int32_t& idB, ServerProperties& properties,
                                  std::string& name, ServerGeometry& geometry,
                                  int32_t& error) override;
};
