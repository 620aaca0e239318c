#include "ui/app/language.h"

#include <string>
#include <unordered_map>

#include <wx/filename.h>
#include <wx/stdpaths.h>
#include <wx/translation.h>
#include <wx/uilocale.h>

#include "model/translation.h"

namespace {

// The model asks for plain UTF-8 texts that stay valid; each one is converted once per
// language and kept here.
std::unordered_map<std::string, std::string> modelTexts;

const char* Kept(std::string key, const wxString& translated) {
    auto [at, added] = modelTexts.try_emplace(std::move(key));
    if (added) at->second = translated.utf8_string();
    return at->second.c_str();
}

const char* TranslateModelText(const char* english) {
    return Kept(english, wxGetTranslation(wxString::FromUTF8(english)));
}

const char* TranslateModelPlural(const char* singular, const char* plural, unsigned long n) {
    return Kept(std::string(singular) + '\n' + std::to_string(n),
                wxGetTranslation(wxString::FromUTF8(singular), wxString::FromUTF8(plural), static_cast<unsigned>(n)));
}

const char* TranslateModelInContext(const char* context, const char* english) {
    return Kept(std::string(context) + '\004' + english,
                wxGetTranslation(wxString::FromUTF8(english), wxString(), wxString::FromUTF8(context)));
}

// Catalogs are looked for beside the program (the Windows folder), one level up (the build
// tree, where the programs sit in folders of their own) and in the system's share/locale.
void AddCatalogFolders() {
    static bool added = false;
    if (added) return;
    added = true;
    const wxFileName program(wxStandardPaths::Get().GetExecutablePath());
    wxFileName beside(program.GetPath(), "");
    beside.AppendDir("locale");
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(beside.GetPath());
    wxFileName above(program.GetPath(), "");
    above.RemoveLastDir();
    above.AppendDir("locale");
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(above.GetPath());
}

// The language the desktop asks for. wx reads LC_ALL, LC_MESSAGES and LANG; LANGUAGE, the
// list by preference that gettext puts before them, is read here.
wxLanguage DesktopLanguage() {
#ifdef __WXMSW__
    return wxLANGUAGE_DEFAULT;  // the user's interface languages, as wx asks Windows for them
#else
    wxString list, messages;
    if (!wxGetEnv("LANGUAGE", &list)) return wxLANGUAGE_DEFAULT;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (wxGetEnv(variable, &messages) && !messages.empty()) break;
    const wxTranslations catalogs;  // only asked which catalogs there are
    return LanguageOfList(list, messages, catalogs.GetAvailableTranslations("dvr-config"));
#endif
}

}  // namespace

wxLanguage LanguageOfList(const wxString& list, const wxString& messagesLocale, const wxArrayString& available) {
    if (messagesLocale.empty() || messagesLocale == "C" || messagesLocale == "POSIX") return wxLANGUAGE_DEFAULT;
    for (const wxString& name : wxSplit(list, ':', '\0')) {
        const wxString language = name.BeforeFirst('_').BeforeFirst('.').BeforeFirst('@');
        const bool offered = language == "en" || available.Index(name) != wxNOT_FOUND ||
                             available.Index(language) != wxNOT_FOUND;
        if (!offered) continue;
        if (const wxLanguageInfo* info = wxUILocale::FindLanguageInfo(name))
            return static_cast<wxLanguage>(info->Language);
    }
    return wxLANGUAGE_DEFAULT;
}

void UseDesktopLanguage() {
    // Without a locale for the desktop's language the texts are still translated; only the
    // C library's formats and the toolkit's own dialogs stay as they are.
    wxUILocale::UseDefault();
    AddCatalogFolders();
    UseLanguage(DesktopLanguage());
}

void UseLanguage(wxLanguage language) {
    AddCatalogFolders();
    auto* translations = new wxTranslations;
    if (language != wxLANGUAGE_DEFAULT) translations->SetLanguage(language);
    translations->AddStdCatalog();
    translations->AddCatalog("dvr-config");
    wxTranslations::Set(translations);
    modelTexts.clear();
    InstallTranslation({&TranslateModelText, &TranslateModelPlural, &TranslateModelInContext});
}
