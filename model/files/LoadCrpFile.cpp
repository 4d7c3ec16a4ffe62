#include "model/files/LoadCrpFile.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/files/ArchiveReader.h"
#include "model/files/BeamChaining.h"
#include "model/files/DataFileReader.h"
#include "model/files/DrawingDataSections.h"
#include "model/common/FilePaths.h"
#include "model/common/Helpers.h"
#include "model/common/ModelMessages.h"
#include "model/files/WholeFiles.h"
#include "model/files/ModelSections.h"
#include "model/geometry/Angles.h"

namespace {

// The extents start beyond every coordinate, and the origin far away until the nodes are read.
constexpr float ExtentStart = 3.402823E38f;
constexpr float OriginUnset = 1.0E10f;

float RoundTo(double value, int decimals) { return static_cast<float>(RoundHalfEven(value, decimals)); }

// The file keeps offsets, wall thicknesses and section angles with 2 decimals. The inner outlines
// of the concrete slabs are rebuilt from them at every load, so they are taken to those 2 decimals
// from the first load on: a deck read back from its own file rebuilds the same outlines.
float AsTheFileKeepsIt(float value) { return static_cast<float>(ValueAsWritten(value, 2)); }

void ShowNodeNotDefined(int32_t id, const LanguageFlags& languages, MessageBoxes& messages) {
    messages.Show(GetWarningTitle(languages), UiText(ModelMessages::NodeNotDefined, languages, {std::to_string(id)}),
                  MsgButtons::Ok, MsgIcon::Exclamation);
}

void ShowNewerFileVersion(const LanguageFlags& languages, MessageBoxes& messages) {
    messages.Show(UiText(ModelMessages::NewerFileTitle, languages), UiText(ModelMessages::NewerDataFile, languages),
                  MsgButtons::Ok, MsgIcon::Exclamation);
}

void ShowFileError(const std::string& path, const std::string& detail, const LanguageFlags& languages,
                   MessageBoxes& messages) {
    messages.Show(GetWarningTitle(languages), UiText(ModelMessages::FileReadError, languages, {path, detail}),
                  MsgButtons::Ok, MsgIcon::Exclamation);
}

// Node numbers to indexes: the first node that carries a number wins, as in a search from 0.
// Numbers run from about 1 to the node count in every deck an analysis program writes: they are
// looked up in a plain table then, a large deck's lookups costing no more than a small one's; in a
// hash table when they are scattered.
class NodeIndex {
public:
    explicit NodeIndex(const Model& model) {
        const int32_t count = std::max(model.NodeCount, 0);
        if (count == 0) return;
        const auto [low, high] = std::minmax_element(
            model.Nodes.begin(), model.Nodes.begin() + count, [](const Node& a, const Node& b) { return a.Id < b.Id; });
        const int64_t span = int64_t{high->Id} - low->Id + 1;
        if (span <= 4 * int64_t{count} + 1024) {
            lowest_ = low->Id;
            dense_.assign(static_cast<size_t>(span), -1);
            for (int32_t i = count - 1; i >= 0; --i) dense_[static_cast<size_t>(model.Nodes[i].Id - lowest_)] = i;
            return;
        }
        scattered_.reserve(static_cast<size_t>(count));
        for (int32_t i = 0; i < count; ++i) scattered_.emplace(model.Nodes[i].Id, i);
    }
    int32_t Find(int32_t id) const {
        if (!dense_.empty()) {
            const int64_t at = int64_t{id} - lowest_;
            return at >= 0 && at < static_cast<int64_t>(dense_.size()) ? dense_[static_cast<size_t>(at)] : -1;
        }
        auto it = scattered_.find(id);
        return it == scattered_.end() ? -1 : it->second;
    }

private:
    int32_t lowest_ = 0;
    std::vector<int32_t> dense_;  // by number - lowest_
    std::unordered_map<int32_t, int32_t> scattered_;
};

// Rounds the node coordinates to 2 decimals, takes the extents and shifts the model so that the
// smallest coordinates are 0. shiftX, shiftY: the shift of this load. Fails when the extents of the
// coordinates exceed the range of a 32-bit real.
bool ShiftNodes(DataFileReader& reader, Model& model, float& shiftX, float& shiftY) {
    PlanHeader& h = model.Header;
    h.ModelMinX = h.ModelMinY = ExtentStart;
    h.ModelMaxX = h.ModelMaxY = -ExtentStart;
    for (int32_t i = 0; i < model.NodeCount; ++i) {
        Node& n = model.Nodes[i];
        n.X = RoundTo(n.X, 2);
        n.Y = RoundTo(n.Y, 2);
        if (n.X < h.ModelMinX) h.ModelMinX = n.X;
        if (n.X > h.ModelMaxX) h.ModelMaxX = n.X;
        if (n.Y < h.ModelMinY) h.ModelMinY = n.Y;
        if (n.Y > h.ModelMaxY) h.ModelMaxY = n.Y;
    }
    if (model.NodeCount == 0) {  // no node: nothing to shift, and no extents
        h.ModelMinX = h.ModelMinY = h.ModelMaxX = h.ModelMaxY = 0;
    }
    h.ModelOriginX = shiftX = h.ModelMinX;
    h.ModelOriginY = shiftY = h.ModelMinY;
    // Shifted values of 2 decimals have 2 decimals: taken to them again, they are the values a
    // saved deck reads back, not ones a float subtraction left a few millionths off.
    auto shifted = [](float v, float origin) { return RoundTo(static_cast<double>(v) - origin, 2); };
    for (int32_t i = 0; i < model.NodeCount; ++i) {
        model.Nodes[i].X = shifted(model.Nodes[i].X, h.ModelOriginX);
        model.Nodes[i].Y = shifted(model.Nodes[i].Y, h.ModelOriginY);
    }
    h.ModelMaxX = shifted(h.ModelMaxX, h.ModelMinX);
    h.ModelMaxY = shifted(h.ModelMaxY, h.ModelMinY);
    h.ModelMinX = h.ModelMinY = 0;
    if (!std::isfinite(h.ModelMaxX) || !std::isfinite(h.ModelMaxY))
        return reader.Fail(ReadFailure::BadValue, std::to_string(h.ModelMaxX) + " x " + std::to_string(h.ModelMaxY));
    return true;
}

// Offsets to 3 decimals, then, with the section angles, as the file keeps them.
void RoundBeamOffsetsAndAngles(Model& model) {
    for (int32_t i = 0; i < model.BeamElementCount; ++i) {
        BeamElement& e = model.BeamElements[i];
        e.SectionAngle = AsTheFileKeepsIt(e.SectionAngle);
        if (e.HasOffsets == 0) continue;
        for (float* offset : {&e.OffsetXI, &e.OffsetYI, &e.OffsetXJ, &e.OffsetYJ})
            *offset = AsTheFileKeepsIt(RoundTo(*offset, 3));
    }
}

// Keeps, in file order, the walls that the plan kind shows: side 1 for plan kind 0, side 0 for
// plan kind 1, none for a masonry plan.
void KeepPlanWalls(Model& model) {
    const int32_t planKind = model.Header.PlanKind;
    int32_t kept = 0;
    for (int32_t i = 0; i < model.WallSegmentCount; ++i) {
        WallSegment w = model.WallSegments[i];
        if (!((w.Side == 1 && planKind == PlanSide1) || (w.Side == 0 && planKind == PlanSide0))) continue;
        w.Thickness = AsTheFileKeepsIt(w.Thickness);
        if (w.HasOffsets != 0) {
            w.OffsetXI = RoundTo(w.OffsetXI, 1);
            w.OffsetYI = RoundTo(w.OffsetYI, 1);
            w.OffsetXJ = RoundTo(w.OffsetXJ, 1);
            w.OffsetYJ = RoundTo(w.OffsetYJ, 1);
        }
        model.WallSegments[kept++] = w;
    }
    for (int32_t i = kept; i < model.WallSegmentCount; ++i) model.WallSegments[i] = WallSegment{};
    model.WallSegmentCount = kept;
}

// Span angles into 0 … 360 by one correction; the design segment shifted with the nodes, rounded,
// and turned to run left to right (or bottom to top), its band lengths and steels following it.
void NormaliseFloorSlabs(Model& model, float shiftX, float shiftY, int32_t& slabDesign) {
    if (model.FloorSlabCount > 0) slabDesign = 0;
    for (int32_t i = 0; i < model.FloorSlabCount; ++i) {
        FloorSlab& s = model.FloorSlabs[i];
        if (s.SpanAngle < 0) s.SpanAngle += 360.0f;
        else if (s.SpanAngle > 360.0f) s.SpanAngle -= 360.0f;
        // Beyond a turn from 0 .. 360 one correction leaves the angle outside, where the saved angle
        // would read back as another one.
        if (s.SpanAngle < 0 || s.SpanAngle > 360.0f) s.SpanAngle = WithinOneTurn(s.SpanAngle);
        if (s.DiagramPointCount <= 0) continue;

        s.DiagramX1 = static_cast<float>(RoundHalfEven(static_cast<double>(s.DiagramX1) - shiftX, 2));
        s.DiagramY1 = static_cast<float>(RoundHalfEven(static_cast<double>(s.DiagramY1) - shiftY, 2));
        s.DiagramX2 = static_cast<float>(RoundHalfEven(static_cast<double>(s.DiagramX2) - shiftX, 2));
        s.DiagramY2 = static_cast<float>(RoundHalfEven(static_cast<double>(s.DiagramY2) - shiftY, 2));
        slabDesign = 1;

        const bool reversed = std::fabs(s.DiagramX1 - s.DiagramX2) > 0.001f ? s.DiagramX1 > s.DiagramX2
                                                                             : s.DiagramY1 > s.DiagramY2;
        if (!reversed) continue;
        SwapValues(s.DiagramX1, s.DiagramX2);
        SwapValues(s.DiagramY1, s.DiagramY2);
        SwapValues(s.StartBandLength, s.EndBandLength);
        // The steels are mirrored along the segment; the positions stay in file order.
        auto& points = model.FloorSlabDiagram[i];
        for (int32_t k = 0, m = s.DiagramPointCount - 1; k < m; ++k, --m) {
            SwapValues(points[k].LowerSteel, points[m].LowerSteel);
            SwapValues(points[k].UpperSteel, points[m].UpperSteel);
        }
    }
}

// True when the archive beside the data file was read; otherwise its message has been shown.
// unknown: the sections whose profile the section server does not know.
bool ReadArchiveBeside(const std::string& path, Session& session, Platform& platform,
                       std::vector<UnknownProfileSection>& unknown) {
    const std::string archive = PathInFolder(GetParentFolder(path), ArchiveFileName);
    if (!FileExists(archive)) {
        platform.messages.Show(GetWarningTitle(session.shell.Languages), ModelMessages::ArchiveNotFound,
                              MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    unknown = ReadSectionArchive(archive, session.model.Catalogue, session.shell, platform.messages, platform.server);
    return session.shell.Document.LoadStatus != -1;
}

bool ReadModelAndDrawingData(DataFileReader& reader, int32_t& slabDesign, Session& session, Platform& platform) {
    Model& model = session.model;
    std::unique_ptr<NodeIndex> nodes;
    const NodeLookup findNode = [&](int32_t id) {
        const int32_t index = nodes ? nodes->Find(id) : -1;
        if (index < 0) ShowNodeNotDefined(id, session.shell.Languages, platform.messages);
        return index;
    };

    if (!ReadFileVersionLine(reader, model) || !ReadHeaderLine(reader, model) || !ReadNodesSection(reader, model))
        return false;
    float shiftX = 0, shiftY = 0;
    if (!ShiftNodes(reader, model, shiftX, shiftY)) return false;
    nodes = std::make_unique<NodeIndex>(model);

    if (!ReadBeamElementsSection(reader, model, findNode)) return false;
    RoundBeamOffsetsAndAngles(model);

    if (!ReadWallsSection(reader, model, findNode)) return false;
    KeepPlanWalls(model);

    if (!ReadConcreteSlabsSection(reader, model, findNode) || !ReadPillarsSection(reader, model, findNode) ||
        !ReadFloorSlabsSection(reader, model, findNode))
        return false;
    NormaliseFloorSlabs(model, shiftX, shiftY, slabDesign);

    if (!ReadDrawingDataVersionLine(reader, model)) return false;
    // A saved deck lists the beam elements in the order its first load gave them, and its face lines
    // refer to them by that order. Grouping and chaining them again would reorder a beam that is no
    // simple path (one with a gap or a branch) and hand its face lines to other elements.
    if (model.DrawingDataVersion == 0) GroupAndChainBeamElements(model.BeamElements, model.BeamElementCount);
    if (!ReadMasonryBlock(reader, model, findNode)) return false;
    if (model.DrawingDataVersion == 0) return true;
    return ReadDrawingDataSections(reader, model, DeckOptions{session.shell.Options, session.drawing, session.design});
}

// The data file, from its version line to its end. False after a failure, with its message shown.
bool ReadDataFile(const std::string& path, std::string text, int32_t& slabDesign, Session& session, Platform& platform) {
    Model& model = session.model;
    model.Header.ModelOriginX = model.Header.ModelOriginY = OriginUnset;
    model.Dimensions.clear();
    model.DimensionCount = 0;

    DataFileReader reader(std::move(text));
    if (ReadModelAndDrawingData(reader, slabDesign, session, platform)) return true;

    const LanguageFlags& languages = session.shell.Languages;
    switch (reader.Error().Failure) {
    case ReadFailure::UnsupportedVersion: ShowNewerFileVersion(languages, platform.messages); break;
    case ReadFailure::UnknownNode: break;  // the lookup has said which node
    default: ShowFileError(path, DescribeReadError(reader.Error(), languages), languages, platform.messages); break;
    }
    return false;
}

// dataText: the data file's text when the caller has it already; otherwise the file is read
// after the archive.
void LoadDeck(const std::string& path, const std::string* dataText, int32_t& slabDesign, Session& session,
              Platform& platform, const DeckCompletion& complete) {
    slabDesign = -1;
    session.shell.Document.LoadStatus = 0;
    std::vector<UnknownProfileSection> unknownProfiles;
    if (!ReadArchiveBeside(path, session, platform, unknownProfiles)) {
        session.shell.Document.LoadStatus = -1;
        return;
    }
    std::string text;
    if (dataText) {
        text = *dataText;
    } else if (!ReadWholeFile(path, text)) {
        const LanguageFlags& languages = session.shell.Languages;
        ShowFileError(path, UiText(ModelMessages::FileCannotBeOpened, languages), languages, platform.messages);
        session.shell.Document.LoadStatus = -1;
        return;
    }
    if (!ReadDataFile(path, std::move(text), slabDesign, session, platform)) {
        session.shell.Document.LoadStatus = -1;
        return;
    }
    if (complete) complete(session.model, session.model.DrawingDataVersion == 0);
    // Told once the deck is open, in one box, rather than one box per section while it loads.
    ShowUnknownProfiles(unknownProfiles, session.shell.Languages, platform.messages);
}

}  // namespace

int32_t FindNodeIndex(const Model& model, int32_t id, const LanguageFlags& languages, MessageBoxes& messages) {
    for (int32_t i = 0; i < model.NodeCount && i < static_cast<int64_t>(model.Nodes.size()); ++i)
        if (model.Nodes[i].Id == id) return i;
    ShowNodeNotDefined(id, languages, messages);
    return -1;
}

void LoadCrpFile(const std::string& path, int32_t& slabDesign, Session& session, Platform& platform,
                 const DeckCompletion& complete) {
    LoadDeck(path, nullptr, slabDesign, session, platform, complete);
}

void LoadCrpText(const std::string& path, const std::string& dataText, int32_t& slabDesign, Session& session,
                 Platform& platform, const DeckCompletion& complete) {
    LoadDeck(path, &dataText, slabDesign, session, platform, complete);
}
