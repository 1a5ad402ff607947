#include "puzzle/text.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <utility>

namespace zarvo {

namespace {

Translator g_translator = nullptr;
DateFormat g_date_format = nullptr;
// Texts without a count, looked up once per language: the board draws its labels at every key.
std::map<std::pair<const char*, const char*>, std::string> g_looked_up;

// English has a singular and a plural; these are the forms of every plural text.
struct EnglishForms {
    const char* source;
    const char* one;
    const char* other;
};

const EnglishForms kEnglishPlurals[] = {
    {"%1: %n box(es) of %2 pounds, %3 pounds.", "%1: %n box of %2 pounds, %3 pounds.",
     "%1: %n boxes of %2 pounds, %3 pounds."},
    {"%n box(es) and %1 pounds left.", "%n box and %1 pounds left.",
     "%n boxes and %1 pounds left."},
    {"%1: %n box(es) so far.", "%1: %n box so far.", "%1: %n boxes so far."},
    {"%n box(es) weighing %1 pounds each.", "%n box weighing %1 pounds.",
     "%n boxes weighing %1 pounds each."},
};

std::string english(const char* source, int n) {
    for (const EnglishForms& forms : kEnglishPlurals)
        if (std::strcmp(forms.source, source) == 0) return n == 1 ? forms.one : forms.other;
    return source;
}

// `text` for count `n` in the language, or as English writes it where the language has none.
std::string look_up(Text text, int n) {
    std::string s = g_translator ? g_translator(text.context, text.source, n) : std::string();
    return s.empty() ? english(text.source, n) : s;
}

}  // namespace

void set_language(Translator translator, DateFormat date_format) {
    g_translator = translator;
    g_date_format = date_format;
    g_looked_up.clear();
}

std::string translated(Text text, int n) {
    if (n < 0) {
        const auto key = std::make_pair(text.context, text.source);
        auto it = g_looked_up.find(key);
        if (it == g_looked_up.end()) it = g_looked_up.emplace(key, look_up(text, n)).first;
        return it->second;
    }
    std::string s = look_up(text, n);
    const std::string count = std::to_string(n);
    for (size_t at = s.find("%n"); at != std::string::npos; at = s.find("%n", at + count.size()))
        s.replace(at, 2, count);
    return s;
}

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(pattern.size() + 16 * args.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
            pattern[i + 1] <= '9') {
            const size_t k = static_cast<size_t>(pattern[i + 1] - '1');
            if (k < args.size()) {
                out += *(args.begin() + k);
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

std::string format_date(const std::tm& t) {
    if (g_date_format) return g_date_format(t);
    char text[64];
    std::snprintf(text, sizeof text, "%d/%d/%02d %d:%02d:%02d", t.tm_mon + 1, t.tm_mday,
                  ((t.tm_year % 100) + 100) % 100, t.tm_hour, t.tm_min, t.tm_sec);
    return text;
}

}  // namespace zarvo
