#include "design/DesignWarnings.h"

#include <string>

#include "design/BarChoice.h"
#include "design/DesignMessages.h"
#include "model/common/Helpers.h"
#include "model/tables/ModelTables.h"

void DesignWarnings::Add(const DesignWarnings& other) {
    SectionTableFull |= other.SectionTableFull;
    TooManySlabs |= other.TooManySlabs;
    TooManyCrossings |= other.TooManyCrossings;
    TooManyRebars |= other.TooManyRebars;
    BarCountShort |= other.BarCountShort;
    UpperCutShort.insert(UpperCutShort.end(), other.UpperCutShort.begin(), other.UpperCutShort.end());
}

bool DesignWarnings::Any() const {
    return SectionTableFull || TooManySlabs || TooManyCrossings || TooManyRebars || BarCountShort;
}

namespace {

// A line for each section cut short, where its upper bars end.
std::string CutShortLines(const std::vector<UpperBarsCutShort>& sections, const LanguageFlags& languages) {
    std::string lines;
    for (const UpperBarsCutShort& c : sections)
        lines += "\n" + UiText(DesignMessages::UpperBarsCutShort, languages,
                               {"S." + std::to_string(c.slabNumber), std::to_string(c.bareLength)});
    return lines;
}

}  // namespace

void ShowDesignWarnings(const DesignWarnings& warnings, MessageBoxes& messages, const LanguageFlags& languages) {
    auto show = [&](bool occurred, const Bilingual& text, int limit, const std::string& details = {}) {
        if (occurred)
            messages.Show(GetWarningTitle(languages), UiText(text, languages, {std::to_string(limit)}) + details,
                          MsgButtons::Ok, MsgIcon::Exclamation);
    };
    show(warnings.SectionTableFull, DesignMessages::SectionTableFull, ReinforcementSections::MaxSections);
    show(warnings.TooManySlabs, DesignMessages::TooManySlabs, MaxCandidateSlabs);
    show(warnings.TooManyCrossings, DesignMessages::TooManyCrossings, MaxCrossingsPerSlab);
    show(warnings.TooManyRebars, DesignMessages::TooManyRebars, ReinforcementSections::MaxRebars,
         CutShortLines(warnings.UpperCutShort, languages));
    show(warnings.BarCountShort, DesignMessages::BarCountShort, MaxBarsPerRecord);
}
