#include "try_warnings.h"

#include "catalogue.h"
#include "extra_functions.h"
#include "level_checker.h"

#include <algorithm>
#include <sstream>

std::vector<std::string> try_warnings::of_file(const std::string& path)
{
    std::vector<std::string> messages;
    for (const check_finding& f : level_checker().check({path})) {
        // What a drawn level can be told comes in the player's language: the
        // pattern and its colour words through the catalogue (a number has
        // no entry and stays as it is).
        std::string message = f.message;
        if (!f.pattern.empty()) {
            std::vector<std::string> args;
            for (const std::string& a : f.args)
                args.push_back(cf_tr("checker", a.c_str()));
            message = lang::fill(cf_tr("checker", f.pattern.c_str()), args);
        }
        // Two characters of one colour without an exit say the same thing twice.
        if (std::find(messages.begin(), messages.end(), message) == messages.end())
            messages.push_back(message);
    }
    return messages;
}

std::vector<std::string> try_warnings::wrap(const std::string& text, size_t width)
{
    std::vector<std::string> lines;
    std::istringstream words(text);
    std::string line;
    for (std::string word; words >> word;) {
        const size_t used = static_cast<size_t>(extra_functions::glyph_count(line));
        const size_t more = static_cast<size_t>(extra_functions::glyph_count(word));
        if (!line.empty() && used + 1 + more > width) {
            lines.push_back(line);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}
