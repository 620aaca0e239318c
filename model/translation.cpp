#include "model/translation.h"

#include <cstring>

namespace {
Translation installed;
}  // namespace

void InstallTranslation(const Translation& translation) { installed = translation; }

const char* Tr(const char* english) { return installed.text ? installed.text(english) : english; }

const char* TrPlural(const char* singular, const char* plural, unsigned long n) {
    if (installed.plural) return installed.plural(singular, plural, n);
    return n == 1 ? singular : plural;
}

std::string FillIn(const char* pattern, std::initializer_list<std::string> parts) {
    std::string text;
    auto part = parts.begin();
    for (const char* at = pattern; *at;) {
        if (at[0] == '%' && at[1] == 's') {
            if (part != parts.end()) text += *part++;
            at += 2;
        } else {
            text += *at++;
        }
    }
    return text;
}
