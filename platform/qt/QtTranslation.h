#pragma once
// Qt's own texts (the standard buttons of message boxes, the file dialogs) in the interface
// language: Italian loads Qt's Italian translation, English loads none.
#include "state/Languages.h"

// Takes effect for every dialog opened afterwards; calling it again switches back and forth.
// False when the Italian translation is wanted but not installed (Qt's English texts stay).
bool UseQtTranslationFor(const LanguageFlags& languages);
