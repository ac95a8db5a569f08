#ifndef CRUMBLEFORD_LANG_CATALOGUE_H
#define CRUMBLEFORD_LANG_CATALOGUE_H

// The texts the game shows, in the player's language. English is the
// source: every text is written in English in the code, and a language's
// catalogue (translations/crumbleford_<code>.qm, made by lrelease from
// data/translations/crumbleford_<code>.ts) gives its translation. A text
// the catalogue lacks stays English.
//
// Texts are UTF-8. lupdate finds them by the name `cf_tr` (see
// docs/translating.md), so a text to translate is written in place:
//     print_gl_label(cf_tr("menu", "RESUME"), ...);

#include <string>
#include <vector>

namespace lang
{

// The languages the game ships, English first.
const std::vector<std::string>& shipped();

// The language the desktop asks for: the first of LANGUAGE (a colon list),
// LC_ALL, LC_MESSAGES and LANG that is set, reduced to its language code
// ("de_AT.UTF-8" gives "de") and kept only if shipped; otherwise "en".
// "C" and "POSIX" mean English. `get` reads a variable (getenv by default).
std::string from_environment(const char* (*get)(const char*) = nullptr);

// Loads the catalogue of `code` from `directory` (with a trailing slash) and
// makes it the current language. English, an unknown code or an unreadable
// catalogue leave every text English; false for the last two.
bool use(const std::string& code, const std::string& directory);

// The current language's code ("en" until use() loads another).
const std::string& current();

// `english` in the current language, in UTF-8.
std::string translate(const char* context, const char* english);

// `pattern` with %1, %2, ... replaced by `args` in order, so a translation
// can put a number or a name where its grammar wants it.
std::string fill(const std::string& pattern, const std::vector<std::string>& args);

} // namespace lang

// Marks a text kept in a table so that lupdate finds it; the code passes
// it through cf_tr where it shows it.
#define CF_TR_NOOP(context, english) english

inline std::string cf_tr(const char* context, const char* english)
{
    return lang::translate(context, english);
}

#endif
