// The player's language: our own translations and Qt's, chosen by --lang or the environment.
// With none loaded every text is the English it is written in.
#pragma once

#include <QString>
#include <string>

namespace zarvo {

// Loads the language `code` from --lang ("de", "es_MX", ...) or, when empty, the first of the
// environment's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that the game speaks; English,
// C and POSIX need nothing. False when `code` names a language the game does not speak.
bool load_language(const std::string& code);

// The codes --lang accepts, such as "de, en, es".
QString spoken_languages();

// `source` of `context` in the loaded language: the same lookup as the board's texts, usable
// before the application exists. Qt Linguist reads it as QCoreApplication::translate.
QString tr_text(const char* context, const char* source);

// Hands the loaded translations to the application, so that Qt's own dialogs (print, files,
// message boxes) speak the same language. Call once the application exists.
void install_language();

}  // namespace zarvo
