#pragma once
// Test aid: writes the nodes, member axes, plan points, face lines and hatch loops of a model to
// <build folder>/plangeom-svg/<name>.svg, to look at what the derivation produced.
#include <string>

#include "model/tables/ModelTables.h"

void WritePlanSvg(const Model& model, const std::string& name);
