// The game's translations as tables, made from the Qt Linguist files when the page is built.
#pragma once

namespace zarvo::web {

struct Message {
    const char* context;
    const char* source;
    const char* forms[3];  // one form, or the plural forms in the language's order
};

struct LanguageTable {
    const char* code;
    int plural_rule;  // 0: one form for 1; 1: one form for 0 and 1
    const Message* messages;
    int count;
};

extern const LanguageTable kLanguages[];
extern const int kLanguageCount;

}  // namespace zarvo::web
