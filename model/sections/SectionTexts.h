#pragma once
// One-line descriptions of member sections and of floor-slab joist or slab sections, in the
// drawing language (0 Italian, any other value English). Parameter values take the decimal
// separator of the user's numeric locale (LC_NUMERIC): the texts are for reading, not for files.
#include <cstdint>
#include <string>

#include "model/tables/SectionCatalogue.h"

struct LanguageFlags;
struct ShellOptions;

// The text of section sec (0-based): the parametric shape with its sizes, or the server's
// profile name; empty for undefined sections, for shapes without a text and for sections that
// the catalogue does not hold.
std::string GetSectionText(const SectionCatalogue& catalogue, int32_t sec,
                           const LanguageFlags& languages);

// The text of a floor slab's section sec (0-based) for a slab of thickness t; with
// JoistTypeLabels on, the Italian joist labels name the section number.
std::string GetFloorSlabTypeText(const SectionCatalogue& catalogue, int32_t sec, float t,
                                 const LanguageFlags& languages, const ShellOptions& options);
