#include "try_warnings.h"

#include "level_checker.h"

#include <algorithm>
#include <sstream>

std::vector<std::string> try_warnings::of_file(const std::string& path)
{
    std::vector<std::string> messages;
    // Two characters of one colour without an exit say the same thing twice.
    for (const check_finding& f : level_checker().check({path}))
        if (std::find(messages.begin(), messages.end(), f.message) == messages.end())
            messages.push_back(f.message);
    return messages;
}

std::vector<std::string> try_warnings::wrap(const std::string& text, size_t width)
{
    std::vector<std::string> lines;
    std::istringstream words(text);
    std::string line;
    for (std::string word; words >> word;) {
        if (!line.empty() && line.size() + 1 + word.size() > width) {
            lines.push_back(line);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}
