#pragma once
// The model's texts for the operator are written in English and put through the translation
// the program installs, so that the rules need no toolkit. Until one is installed, and for
// a text its catalogs lack, every text reads as written.
#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text for the catalogs where it is defined; it is translated where it is shown.
#ifndef N_
#define N_(text) text
#endif
// Marks a text for the catalogs under a context, for a word the catalogs translate one way
// where it stands alone and another where it stands in a sentence; shown by TrInContext.
#ifndef NC_
#define NC_(context, text) text
#endif

struct Translation {
    const char* (*text)(const char* english) = nullptr;
    // The form for n of a text with a singular and a plural.
    const char* (*plural)(const char* singular, const char* plural, unsigned long n) = nullptr;
    // The translation of english where it stands in the given context.
    const char* (*inContext)(const char* context, const char* english) = nullptr;
};

// Installs the translation every later Tr(), TrPlural() and TrInContext() goes through; {}
// restores English.
void InstallTranslation(const Translation& translation);

// The installed translation of english, or english itself.
const char* Tr(const char* english);
// The installed translation of the form for n, or singular for 1 and plural otherwise.
const char* TrPlural(const char* singular, const char* plural, unsigned long n);
// The installed translation of english in context, or english itself.
const char* TrInContext(const char* context, const char* english);

// The mark between the whole part and the tenths of a number, "." in English, "," in German.
const char* DecimalMark();

// pattern with each "%s" replaced by the next of parts, left to right; a "%s" with no part
// left reads empty. Translated patterns are filled this way rather than by printf, so that a
// catalog's text can never reach a conversion that reads an argument that is not there.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> parts);
