#pragma once
// Ordering of the beam elements of a fresh export: the elements of each beam are brought together
// (beams in the order of their first element), then each beam's elements are chained so that a
// simple path runs from one free end to the other, each element starting where the previous ends.
#include <cstdint>
#include <vector>

#include "model/tables/ModelTables.h"

// Groups elements 0 .. count - 1 by BeamNumber. For each i in turn, every later element of i's
// beam is exchanged with element i + 1; the result (order of the groups and order inside them) is
// exactly that of this quadratic procedure, computed here in about n log n steps.
void GroupBeamElements(std::vector<BeamElement>& elements, int32_t count);

// Chains the elements s .. e of one beam. A beam of four or more elements first moves to its
// head the element whose predecessor chain ends there; a closed ring has no such element and keeps
// its first element as head, so that chaining a chained beam again changes nothing.
void ChainBeamGroup(std::vector<BeamElement>& elements, int32_t s, int32_t e);

// Groups, then chains every maximal run of one BeamNumber.
void GroupAndChainBeamElements(std::vector<BeamElement>& elements, int32_t count);
