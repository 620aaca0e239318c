#include "model/translation.h"

namespace {
Translation installed;
}  // namespace

void InstallTranslation(const Translation& translation) { installed = translation; }

const char* Tr(const char* english) { return installed.text ? installed.text(english) : english; }

const char* TrPlural(const char* singular, const char* plural, unsigned long n) {
    if (installed.plural) return installed.plural(singular, plural, n);
    return n == 1 ? singular : plural;
}

const char* TrInContext(const char* context, const char* english) {
    return installed.inContext ? installed.inContext(context, english) : english;
}

// TRANSLATORS: the mark before the tenths of a number shown, "25.0"; the editor writes no file with it.
const char* DecimalMark() { return TrInContext("decimal mark", "."); }

std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> parts) {
    std::string text;
    text.reserve(pattern.size() + 32);
    auto part = parts.begin();
    for (std::size_t at = 0; at < pattern.size();) {
        const std::size_t mark = pattern.find("%s", at);
        text.append(pattern.substr(at, mark - at));
        if (mark == std::string_view::npos) break;
        if (part != parts.end()) text.append(*part++);
        at = mark + 2;
    }
    return text;
}
