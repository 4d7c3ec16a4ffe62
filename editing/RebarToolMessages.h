#pragma once
// The texts the rebar tools of the canvas show the user.
#include "state/Languages.h"

namespace RebarToolMessages {

inline constexpr Bilingual NoCrossing{"La retta e il ferro non si intersecano.",
                                      "The straight and the rebar do not intersect."};
inline constexpr Bilingual DeleteQuestion{"Vuoi veramente eliminare il ferro selezionato?",
                                          "Do yuo want to delete the selected rebar?"};

}  // namespace RebarToolMessages
