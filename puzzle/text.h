// Texts the player sees, in the player's language. Each text is written in English where it
// is used, marked with its context for Qt Linguist; the shell installs a translator, and with
// none (or none that knows a text) the text is the English it was written in.
#pragma once

#include <ctime>
#include <initializer_list>
#include <string>
#include <string_view>

namespace zarvo {

// Both are string literals: a text is known by where they stand.
struct Text {
    const char* context;
    const char* source;
};

// A text to translate; lupdate reads these two as QT_TRANSLATE_NOOP and QT_TRANSLATE_N_NOOP.
// Plural texts hold "%n" and have their English forms in text.cpp.
#define ZARVOK_TEXT(context, source) (::zarvo::Text{context, source})
#define ZARVOK_N_TEXT(context, source) (::zarvo::Text{context, source})

// Looks `text` up for count `n` (-1: no count); empty when the language has no such text.
using Translator = std::string (*)(const char* context, const char* source, int n);
// Formats the date and time of the results banner in the player's language.
using DateFormat = std::string (*)(const std::tm& local);

// Installs the language's lookup and date format; null restores English.
void set_language(Translator translator, DateFormat date_format);

// `text` in the player's language, with "%n" replaced by `n`.
std::string translated(Text text, int n = -1);

// `pattern` with %1 to %9 replaced by `args` in one pass, so that a translation may put them
// in any order and a replacement is never read again.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> args);

// The banner's date and time: M/d/yy H:mm:ss in English, the language's own otherwise.
std::string format_date(const std::tm& local);

}  // namespace zarvo
