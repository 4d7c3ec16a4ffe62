#pragma once
// The model sections of the data file, in file order: version line, header line, "NODI",
// "ELEMENTI_D2", "GRUPPO_D3_SEZIONE", "GRUPPO_D3_PIANTA" with its design blocks, "PILASTRI",
// "SOLAI", the drawing-data version line and the masonry block.
//
// Each section has its own read function so that the load procedure can run them one by one and
// do its own work in between (rounding, origin shift, beam chaining, the wall filter, slab angles).
// The readers store what the file says, turn node numbers into `Nodes` indexes through the lookup
// they are given, size the tables that belong to the section, and stop at the first failure with
// the reader's error record filled (section and line). The writers write what the model holds.
#include <cstdint>
#include <functional>
#include <string>

#include "model/files/DataFileReader.h"
#include "model/files/DataFileWriter.h"
#include "model/tables/ModelTables.h"

// Turns a node number of the file into an index into `Nodes`; -1 when no node carries it.
using NodeLookup = std::function<int32_t(int32_t nodeNumber)>;

// The highest `FileVersion` the reader accepts.
constexpr int32_t NewestFileVersion = 9;

// The keywords and titles of the model sections, which the writer writes and the reader reports
// failures against (with names of their own for the keyword-less lines).
namespace SectionNames {
inline constexpr const char* Version = "VERSIONE";
inline constexpr const char* Header = "INTESTAZIONE";
inline constexpr const char* Nodes = "NODI";
inline constexpr const char* BeamElements = "ELEMENTI_D2";
inline constexpr const char* Walls = "GRUPPO_D3_SEZIONE";
inline constexpr const char* ConcreteSlabs = "GRUPPO_D3_PIANTA";
inline constexpr const char* Pillars = "PILASTRI";
inline constexpr const char* FloorSlabs = "SOLAI";
inline constexpr const char* DrawingDataVersion = "VERSIONE DATI DISEGNO";
inline constexpr const char* Masonry = "MURATURA";
// Titles inside the masonry block, by system: reinforced masonry or the block system.
inline constexpr const char* MasonryMaterials = "Materiali_MA";
inline constexpr const char* IsotexMaterials = "Materiali_Isotex";
inline constexpr const char* MasonryWallData = "Dati_Pareti_MA";
inline constexpr const char* IsotexWallData = "Dati_Pareti_Isotex";
inline constexpr const char* MasonryBeamData = "Dati_Travi_MA";
inline constexpr const char* IsotexBeamData = "Dati_Travi_Isotex";
}  // namespace SectionNames

// The first line of a concrete-slab record or of a design block: the values before the first
// blank and after it. b and c are -1 when the line holds "//n_nodi" (a design block).
void ParseGroupHeaderLine(const std::string& line, int32_t& a, int32_t& b, int32_t& c);

// ---- Reading, in file order ----

// Sets `FileVersion`; refuses a version above NewestFileVersion (UnsupportedVersion) after
// storing it, so that the caller can tell the user which version the file has.
bool ReadFileVersionLine(DataFileReader& reader, Model& model);
bool ReadHeaderLine(DataFileReader& reader, Model& model);
// Sizes `Nodes` to count + 1.
bool ReadNodesSection(DataFileReader& reader, Model& model);
// Sizes `BeamElements` to count + 2 and both beam edge tables to 4 × (count + 1) + 1.
bool ReadBeamElementsSection(DataFileReader& reader, Model& model, const NodeLookup& findNode);
// Reads every wall of the file into `WallSegments` (the plan-kind filter is the caller's), sized
// to n + 51 with `WallJunctionEdges`; `HatchLoops` to 3n + 2, `WallEdges` to 4 × (n + 1) + 1.
bool ReadWallsSection(DataFileReader& reader, Model& model, const NodeLookup& findNode);
// Reads the slabs and the design blocks among them (stored into the most recent slab of `Kind` 0,
// from `FileVersion` 8), and the keyword line of the pillars that follows them.
bool ReadConcreteSlabsSection(DataFileReader& reader, Model& model, const NodeLookup& findNode);
// Starts at the pillar count: ReadConcreteSlabsSection has read the "PILASTRI" keyword.
bool ReadPillarsSection(DataFileReader& reader, Model& model, const NodeLookup& findNode);
// Stores the span angle and the design segment as the file gives them.
bool ReadFloorSlabsSection(DataFileReader& reader, Model& model, const NodeLookup& findNode);
bool ReadDrawingDataVersionLine(DataFileReader& reader, Model& model);
// Reads nothing when `FileVersion` is 8 or less.
bool ReadMasonryBlock(DataFileReader& reader, Model& model, const NodeLookup& findNode);

// All of the above in order.
bool ReadModelSections(DataFileReader& reader, Model& model, const NodeLookup& findNode);

// ---- Writing, in file order ----
// fileVersion gates what is written as on reading (band lengths above 5, design blocks from 8,
// masonry block above 8); the save procedure passes NewestFileVersion.

void WriteFileVersionLine(DataFileWriter& writer, int32_t fileVersion);
void WriteHeaderLine(DataFileWriter& writer, const Model& model);
void WriteNodesSection(DataFileWriter& writer, const Model& model);
void WriteBeamElementsSection(DataFileWriter& writer, const Model& model);
void WriteWallsSection(DataFileWriter& writer, const Model& model);
void WriteConcreteSlabsSection(DataFileWriter& writer, const Model& model, int32_t fileVersion);
void WritePillarsSection(DataFileWriter& writer, const Model& model);
void WriteFloorSlabsSection(DataFileWriter& writer, const Model& model, int32_t fileVersion);
// drawingDataVersion followed by seven zeros.
void WriteDrawingDataVersionLine(DataFileWriter& writer, int32_t drawingDataVersion);
void WriteMasonryBlock(DataFileWriter& writer, const Model& model, int32_t fileVersion);

void WriteModelSections(DataFileWriter& writer, const Model& model, int32_t fileVersion, int32_t drawingDataVersion);
