#pragma once
// The language the editor speaks: the desktop's, where a catalog for it ships, else English.
#include <wx/arrstr.h>
#include <wx/language.h>
#include <wx/string.h>

// Follows the desktop: the C library's locale from the environment (so that the toolkit's
// own dialogs speak the same language) and the catalogs of the desktop's language.
void UseDesktopLanguage();
// Loads the catalogs of language (wxLANGUAGE_DEFAULT: the desktop's) for the editor's texts,
// the model's and the toolkit's; a language without a catalog reads English.
void UseLanguage(wxLanguage language);

// The first language of a LANGUAGE list ("fr:de") that reads English or has one of the
// catalogs available ("de", "fr_FR", ...); wxLANGUAGE_DEFAULT when none has, or when the
// messages locale (LC_ALL, else LC_MESSAGES, else LANG) is empty, "C" or "POSIX", where
// gettext ignores the list too.
wxLanguage LanguageOfList(const wxString& list, const wxString& messagesLocale, const wxArrayString& available);
