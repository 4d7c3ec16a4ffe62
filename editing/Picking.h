#pragma once
// The element under the cursor for the canvas tools: the floor slab and the concrete slab that
// contain it, the reinforcement section whose line passes within 15 pixels and the rebar that
// passes within 7. Pure queries on the model and the view (the concrete-slab pick also lists what
// it found); a record that names a point or a row outside its table is never hit.
#include <cstdint>

#include "model/Session.h"

// The first floor slab, in table order, whose outline contains the canvas point; -1 when none.
// Only the slabs whose reinforcement is designed count, except while floor-slab perimeters are
// being picked for editing (mode 9600), when every slab does.
int32_t PickFloorSlabAt(const Session& session, float x, float y);

// Lists in FoundConcreteSlabs every concrete slab proper that contains the point outside its
// openings (the later records with the same number); count := how many, and returns the last one
// listed, -1 when none.
int32_t PickConcreteSlabAt(Session& session, float x, float y, int32_t& count);

// The first reinforcement section whose line passes within 15 pixels; -1 when none.
int32_t BeccaSezione(const Session& session, float x, float y);

// The first bar within 7 pixels, every section's lower bars searched before any upper bar: rebar
// := its index in the section, section := the section, family := 1 lower, 0 upper. rebar := -1
// first; with no hit section and family keep their values.
void BeccaFerro(const Session& session, float x, float y, int32_t& section, int32_t& rebar, int32_t& family);
