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
}

bool DesignWarnings::Any() const {
    return SectionTableFull || TooManySlabs || TooManyCrossings || TooManyRebars || BarCountShort;
}

void ShowDesignWarnings(const DesignWarnings& warnings, MessageBoxes& messages, const LanguageFlags& languages) {
    auto show = [&](bool occurred, const Bilingual& text, int limit) {
        if (occurred)
            messages.Show(GetWarningTitle(languages), UiText(text, languages, {std::to_string(limit)}), MsgButtons::Ok,
                          MsgIcon::Exclamation);
    };
    show(warnings.SectionTableFull, DesignMessages::SectionTableFull, ReinforcementSections::MaxSections);
    show(warnings.TooManySlabs, DesignMessages::TooManySlabs, MaxCandidateSlabs);
    show(warnings.TooManyCrossings, DesignMessages::TooManyCrossings, MaxCrossingsPerSlab);
    show(warnings.TooManyRebars, DesignMessages::TooManyRebars, ReinforcementSections::MaxRebars);
    show(warnings.BarCountShort, DesignMessages::BarCountShort, MaxBarsPerRecord);
}
