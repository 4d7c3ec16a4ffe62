#pragma once
// Writes fresh-export decks of any size for the benchmarks: a grid of bays with a beam along every
// grid line, a pillar and a footing at every node, concrete walls along the two outer columns,
// a joist floor slab (with design data) in most bays and a concrete slab (with its design block)
// in every fifth, and the section archive that goes with them.
#include <string>

struct GeneratedDeck {
    std::string DataFile;   // path of the data file
    int ElementCount = 0;   // beam elements, pillars, walls, floor slabs and concrete slabs
};

// The data file of a fresh export of baysX × baysY bays of 5 m.
std::string GeneratedDeckText(int baysX, int baysY);
// The archive that the generated decks refer to.
std::string GeneratedArchiveText();
int GeneratedElementCount(int baysX, int baysY);

// Writes "DECK.CRP" and "ARCHIMPA.AI0" into `folder` (created when missing).
GeneratedDeck WriteGeneratedDeck(const std::string& folder, int baysX, int baysY);

// A crowded node: `count` concrete walls or beams leaving one node for nodes on a circle of 10 m
// around it, nothing else.
enum class StarMembers { Walls, Beams };
std::string GeneratedStarDeckText(int count, StarMembers members);
// As WriteGeneratedDeck, for a star deck.
GeneratedDeck WriteGeneratedStarDeck(const std::string& folder, int count, StarMembers members);
