#include "catalogue.h"

#include <QTranslator>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>

namespace
{

std::string current_code = "en";
std::unique_ptr<QTranslator> loaded;

const char* read_env(const char* name)
{
    return std::getenv(name);
}

// "de_AT.UTF-8@euro" gives "de"; "C" and "POSIX" give "en".
std::string language_code(const std::string& locale)
{
    const std::string code = locale.substr(0, locale.find_first_of("_.@"));
    if (code == "C" || code == "POSIX")
        return "en";
    return code;
}

bool is_shipped(const std::string& code)
{
    const std::vector<std::string>& codes = lang::shipped();
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

} // namespace

const std::vector<std::string>& lang::shipped()
{
    // The build's list of languages (CF_LANGUAGES), English first.
    static const std::vector<std::string> codes = [] {
        std::vector<std::string> list;
        std::istringstream words(CF_SHIPPED_LANGUAGES);
        for (std::string code; words >> code;)
            list.push_back(code);
        return list;
    }();
    return codes;
}

std::string lang::from_environment(const char* (*get)(const char*))
{
    if (!get)
        get = read_env;
    // LANGUAGE lists fallbacks in order; the first shipped one wins. It is
    // ignored under the C locale, as gettext does.
    const char* all = get("LC_ALL");
    const char* messages = get("LC_MESSAGES");
    const char* lang = get("LANG");
    std::string locale;
    for (const char* v : {all, messages, lang})
        if (v && *v) {
            locale = v;
            break;
        }
    if (const char* list = get("LANGUAGE"); list && *list && language_code(locale) != "en") {
        std::string rest = list;
        while (!rest.empty()) {
            const std::size_t colon = rest.find(':');
            const std::string code = language_code(rest.substr(0, colon));
            if (is_shipped(code))
                return code;
            rest = colon == std::string::npos ? "" : rest.substr(colon + 1);
        }
    }
    const std::string code = language_code(locale);
    return is_shipped(code) ? code : "en";
}

bool lang::use(const std::string& code, const std::string& directory)
{
    loaded.reset();
    current_code = "en";
    if (code == "en")
        return true;
    if (!is_shipped(code))
        return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QString::fromStdString(directory + "crumbleford_" + code + ".qm")))
        return false;
    loaded = std::move(translator);
    current_code = code;
    return true;
}

const std::string& lang::current()
{
    return current_code;
}

std::string lang::translate(const char* context, const char* english)
{
    if (loaded) {
        const QString t = loaded->translate(context, english);
        if (!t.isEmpty())
            return t.toStdString();
    }
    return english;
}

std::string lang::fill(const std::string& pattern, const std::vector<std::string>& args)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t n = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && n < args.size()) {
            out += args[n];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}
