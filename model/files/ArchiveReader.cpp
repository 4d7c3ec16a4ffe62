#include "model/files/WholeFiles.h"
#include "model/files/ArchiveReader.h"

#include <algorithm>

#include "model/files/DataFileReader.h"
#include "model/common/Helpers.h"
#include "model/common/ModelMessages.h"
#include "model/sections/SectionServerClient.h"

namespace {

constexpr int32_t OldestArchiveVersion = 2;
constexpr int32_t NewestArchiveVersion = 5;
const std::string LameFootingMarker = "/Indice plinto - zoppo";

std::string Trimmed(const std::string& s) {
    size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    size_t last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

// Tables are sized one element beyond their count; a negative count holds element 0 alone.
size_t TableSize(int32_t count) { return static_cast<size_t>(std::max(count, 0)) + 1; }

void ShowNewerVersion(const ShellState& shell, MessageBoxes& messages) {
    messages.Show(UiText(ModelMessages::NewerFileTitle, shell.Languages),
                  UiText(ModelMessages::NewerArchive, shell.Languages), MsgButtons::Ok, MsgIcon::Exclamation);
}

void ShowOlderVersion(const ShellState& shell, MessageBoxes& messages) {
    messages.Show(GetWarningTitle(shell.Languages), ModelMessages::OlderArchive, MsgButtons::Ok,
                  MsgIcon::Exclamation);
}

void ShowArchiveError(const std::string& path, const std::string& detail, const ShellState& shell,
                      MessageBoxes& messages) {
    messages.Show(GetWarningTitle(shell.Languages),
                  UiText(ModelMessages::ArchiveCannotBeRead, shell.Languages, {path, detail}), MsgButtons::Ok,
                  MsgIcon::Exclamation);
}

// A warning lists this many sections at the most, then says how many more there are.
constexpr size_t ListedUnknownProfiles = 20;

struct ServerFailure {
    ServerCallResult Result = ServerCallResult::Answered;
    int32_t Section = 0;
};

class ArchiveParser {
public:
    ArchiveParser(DataFileReader& in, SectionCatalogue& catalogue, SectionPropertiesServer& server,
                  const LanguageFlags& languages)
        : in_(in), catalogue_(catalogue), server_(server), languages_(languages) {}

    // False on a read failure (in in_.Error()) or a server failure (in ServerFailed()).
    bool Read(int32_t version) {
        return ReadSections() && ReadSlabTypes() && ReadFootings(version) && ReadTailTables();
    }
    const ServerFailure& ServerFailed() const { return serverFailure_; }
    std::vector<UnknownProfileSection>& UnknownProfiles() { return unknown_; }

private:
    bool ReadSections() {
        in_.SetSection(UiText(ModelMessages::ArchiveSectionsSection, languages_));
        std::string title;
        int32_t n = 0;
        if (!in_.ReadText(title) || !in_.ReadCount(n, 2)) return false;
        catalogue_.ArchiveSectionCount = n;
        catalogue_.SectionClass.assign(TableSize(n), 0);
        catalogue_.SectionShape.assign(TableSize(n), 0);
        catalogue_.SectionParams.assign(TableSize(n), SectionParamRow{});
        catalogue_.ServerSections.assign(TableSize(n), ServerSection{});
        catalogue_.ServerSectionCount = 0;
        for (int32_t s = 0; s < n; ++s) {
            int32_t& sectionClass = catalogue_.SectionClass[s];
            SectionParamRow& p = catalogue_.SectionParams[s];
            if (!in_.ReadInt32(sectionClass)) return false;
            if (sectionClass < 0) continue;
            if (!in_.ReadInt32(catalogue_.SectionShape[s])) return false;
            if (sectionClass == ParametricSection) {
                for (float& value : p)
                    if (!in_.ReadSingle(value)) return false;
            } else if (sectionClass == CatalogueProfile || sectionClass == CoupledProfiles) {
                if (!in_.ReadSingle(p[0])) return false;
                if (sectionClass == CoupledProfiles && !in_.ReadSingle(p[1])) return false;
                if (!Register(s, sectionClass)) return false;
            }
        }
        return true;
    }

    bool Register(int32_t s, int32_t sectionClass) {
        int32_t code = catalogue_.SectionShape[s];
        int32_t id = RoundToInt32(catalogue_.SectionParams[s][0]);
        ServerRegistration r = RegisterServerSection(catalogue_, server_, sectionClass, code, id);
        if (r.Result == ServerCallResult::UnknownProfile) {
            unknown_.push_back({s + 1, code, id});
        } else if (r.Result != ServerCallResult::Answered) {
            serverFailure_ = {r.Result, s + 1};
            return false;
        }
        catalogue_.SectionParams[s][2] = static_cast<float>(r.Index);
        return true;
    }

    bool ReadSlabTypes() {
        in_.SetSection(UiText(ModelMessages::ArchiveSlabTypesSection, languages_));
        std::string title;
        int32_t m = 0;
        if (!in_.ReadText(title) || !in_.ReadCount(m, 2)) return false;
        catalogue_.SlabTypeCount = m;
        catalogue_.SlabTypes.assign(TableSize(m), SlabType{});
        for (int32_t t = 0; t < m; ++t) {
            SlabType& type = catalogue_.SlabTypes[t];
            if (!in_.ReadInt32(type.Kind) || !in_.ReadLine(type.Name)) return false;
        }
        return true;
    }

    bool DropLine() {
        std::string dropped;
        return in_.ReadLine(dropped);
    }
    bool DropLines(int count) {
        for (int i = 0; i < count; ++i)
            if (!DropLine()) return false;
        return true;
    }
    bool Pair(float& a, float& b) { return in_.ReadSingle(a) && in_.ReadSingle(b); }
    bool Dropped() {
        double value = 0;
        return in_.ReadNumber(value);
    }
    bool DroppedPair() { return Dropped() && Dropped(); }

    // The dimensions of one footing by its shape code; a rest-of-line read follows every read
    // but the last.
    bool ReadFootingDims(FootingType& f) {
        auto& d = f.Dims;
        const float shape = f.Shape;
        if (shape == 0 || shape == 1)
            return Pair(d[1], d[2]) && DropLine() && Pair(d[3], d[4]) && DropLine() && Pair(d[5], d[6]) &&
                   DropLine() && Pair(d[7], d[8]) && DropLine() && DroppedPair() && DropLine() &&
                   in_.ReadSingle(d[9]);
        if (shape == 2)
            return Pair(d[1], d[2]) && DropLine() && Pair(d[3], d[4]) && DropLine() && Pair(d[5], d[6]) &&
                   DropLine() && Pair(d[10], d[11]) && DropLine() && Pair(d[7], d[8]) && DropLine() &&
                   DroppedPair() && DropLine() && in_.ReadSingle(d[9]);
        if (shape == 3) return Pair(d[1], d[2]) && DropLine() && DroppedPair() && DropLine() && Dropped();
        if (shape == 4)
            return Pair(d[1], d[2]) && DropLine() && Pair(d[3], d[4]) && DropLine() && DroppedPair() &&
                   DropLine() && Dropped();
        if (shape < 5 || shape > 10) return true;
        if (shape == 7 || shape == 8 || shape == 10)
            return Pair(d[1], d[2]) && DropLine() && Pair(d[3], d[4]) && DropLine() && Pair(d[6], d[7]) &&
                   DropLine() && DroppedPair() && DropLine() && Dropped() && in_.ReadSingle(d[5]);
        return Pair(d[1], d[2]) && DropLine() && Pair(d[3], d[4]) && DropLine() && in_.ReadSingle(d[6]) &&
               DropLine() && DroppedPair() && DropLine() && Dropped() && in_.ReadSingle(d[5]);
    }

    bool ReadFootings(int32_t version) {
        in_.SetSection(UiText(ModelMessages::ArchiveFootingsSection, languages_));
        std::string title;
        int32_t k = 0;
        if (!in_.ReadText(title) || !in_.ReadCount(k, 2)) return false;
        catalogue_.FootingTypeCount = k;
        catalogue_.FootingTypes.assign(TableSize(k), FootingType{});
        bool afterMarker = false;
        for (int32_t i = 0; i < k; ++i) {
            FootingType& f = catalogue_.FootingTypes[i];
            if (version >= 4) {
                if (!afterMarker && !DropLine()) return false;
                if (!Dropped() || !in_.ReadInt32(f.Eccentric)) return false;
            }
            afterMarker = false;
            std::string rest;
            if (!DropLine() || !in_.ReadSingle(f.Shape) || !in_.ReadLine(rest)) return false;
            if (Trimmed(rest) == LameFootingMarker) {
                afterMarker = true;
                continue;
            }
            if (!ReadFootingDims(f)) return false;
            if (version >= 5 && f.Shape > 2 && !DropLines(6)) return false;
        }
        return true;
    }

    bool ReadTailTables() {
        in_.SetSection(UiText(ModelMessages::ArchiveTablesSection, languages_));
        int32_t a = 0, b = 0;
        if (!DropLine() || !in_.ReadCount(a, 10)) return false;
        catalogue_.ArchiveTableACount = a;
        catalogue_.ArchiveTableA.assign(TableSize(a), {});
        for (int32_t r = 0; r < a; ++r)
            for (float& value : catalogue_.ArchiveTableA[r])
                if (!in_.ReadSingle(value)) return false;
        std::string title;
        if (!in_.ReadText(title) || !in_.ReadCount(b, 8)) return false;
        catalogue_.ArchiveTableBCount = b;
        catalogue_.ArchiveTableB.assign(TableSize(b), {});
        for (int32_t r = 0; r < b; ++r)
            for (float& value : catalogue_.ArchiveTableB[r])
                if (!in_.ReadSingle(value)) return false;
        return true;
    }

    DataFileReader& in_;
    SectionCatalogue& catalogue_;
    SectionPropertiesServer& server_;
    const LanguageFlags& languages_;
    ServerFailure serverFailure_;
    std::vector<UnknownProfileSection> unknown_;
};

}  // namespace

std::vector<UnknownProfileSection> ReadSectionArchive(const std::string& path, SectionCatalogue& catalogue,
                                                      ShellState& shell, MessageBoxes& messages,
                                                      SectionPropertiesServer& server) {
    shell.Document.LoadStatus = 0;
    catalogue.ServerSectionCount = 0;
    std::string text;
    if (!ReadWholeFile(path, text)) {
        ShowArchiveError(path, UiText(ModelMessages::FileCannotBeOpened, shell.Languages), shell, messages);
        shell.Document.LoadStatus = -1;
        return {};
    }
    DataFileReader in(std::move(text));
    in.SetSection(UiText(ModelMessages::ArchiveVersionSection, shell.Languages));
    VersionLine version;
    if (!in.ReadVersionLine(version)) {
        ShowArchiveError(path, DescribeReadError(in.Error(), shell.Languages), shell, messages);
        shell.Document.LoadStatus = -1;
        return {};
    }
    if (version.HasVersion && version.Version > NewestArchiveVersion) {
        ShowNewerVersion(shell, messages);
        shell.Document.LoadStatus = -1;
        return {};
    }
    if (version.HasVersion && version.Version < OldestArchiveVersion) {
        ShowOlderVersion(shell, messages);
        shell.Document.LoadStatus = -1;
        return {};
    }

    ArchiveParser parser(in, catalogue, server, shell.Languages);
    if (parser.Read(version.Version)) return std::move(parser.UnknownProfiles());
    const ServerFailure& failure = parser.ServerFailed();
    ShowArchiveError(path,
                     failure.Result != ServerCallResult::Answered
                         ? UiText(ModelMessages::ServerNotAnswering, shell.Languages, {std::to_string(failure.Section)})
                         : DescribeReadError(in.Error(), shell.Languages),
                     shell, messages);
    shell.Document.LoadStatus = -1;
    return {};
}

void ShowUnknownProfiles(const std::vector<UnknownProfileSection>& sections, const LanguageFlags& languages,
                         MessageBoxes& messages) {
    if (sections.empty()) return;
    std::string list;
    for (size_t i = 0; i < sections.size() && i < ListedUnknownProfiles; ++i) {
        const UnknownProfileSection& s = sections[i];
        if (!list.empty()) list += '\n';
        list += UiText(ModelMessages::UnknownProfileLine, languages,
                       {std::to_string(s.Section), std::to_string(s.Code), std::to_string(s.Number)});
    }
    if (sections.size() > ListedUnknownProfiles)
        list += '\n' + UiText(ModelMessages::MoreUnknownProfiles, languages,
                              {std::to_string(sections.size() - ListedUnknownProfiles)});
    messages.Show(GetWarningTitle(languages), UiText(ModelMessages::UnknownProfiles, languages, {list}),
                  MsgButtons::Ok, MsgIcon::Exclamation);
}

bool IsDesignableFloorSlab(const Model& model, int32_t slab) {
    if (slab < 0 || slab >= static_cast<int64_t>(model.FloorSlabs.size())) return false;
    const SlabType* type = model.Catalogue.SlabTypeOf(model.FloorSlabs[slab].SlabTypeNumber);
    return type != nullptr && type->Kind == DesignableSlabKind;
}
