#include "model/files/FileStepTexts.h"

#include "model/common/ModelMessages.h"

bool StepMeetsTheFolder(FileStep step) { return step != FileStep::Write && step != FileStep::Flush; }

std::string StepAndCause(FileStep step, const std::error_code& error, const LanguageFlags& languages) {
    const Bilingual* text = nullptr;
    switch (step) {
        case FileStep::Write: text = &ModelMessages::WritingStepFailed; break;
        case FileStep::Flush: text = &ModelMessages::FlushStepFailed; break;
        case FileStep::Name: text = &ModelMessages::NamingStepFailed; break;
        case FileStep::Rename: text = &ModelMessages::RenameStepFailed; break;
        case FileStep::Check:
        case FileStep::Create: return error.message();
    }
    return UiText(*text, languages) + ": " + error.message();
}
