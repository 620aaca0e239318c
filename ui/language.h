#pragma once
// The language the editor speaks: the desktop's, where a catalog for it ships, else English.
#include <wx/language.h>

// Follows the desktop: the C library's locale from the environment (so that the toolkit's
// own dialogs speak the same language) and the catalogs of the desktop's language.
void UseDesktopLanguage();
// Loads the catalogs of language (wxLANGUAGE_DEFAULT: the desktop's) for the editor's texts,
// the model's and the toolkit's; a language without a catalog reads English.
void UseLanguage(wxLanguage language);
