#include "level_words.h"

#include "cfg.h"
#include "data_text.h"

#include <cmath>

std::vector<std::string> level_words::split(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    for (char ch : line) {
        if (ch == ' ' || ch == '\t' || ch == '\r' || ch == '\v' || ch == '\f') {
            if (!word.empty())
                words.push_back(word);
            word.clear();
        } else {
            word += ch;
        }
    }
    if (!word.empty())
        words.push_back(word);
    return words;
}

std::optional<long long> level_words::coordinate(const std::string& word)
{
    double blocks = 0;
    if (!data_text::read_double(word, blocks) || !std::isfinite(blocks) ||
        std::fabs(blocks) > max_coordinate)
        return std::nullopt;
    return static_cast<long long>(blocks * static_cast<double>(cfg::multiplier));
}

std::optional<unsigned long long> level_words::unsigned_number(const std::string& word,
                                                               unsigned long long modulo,
                                                               unsigned long long limit)
{
    size_t i = word.size() > 1 && word[0] == '+' ? 1 : 0;
    if (i == word.size())
        return std::nullopt;
    unsigned long long value = 0;
    for (; i < word.size(); ++i) {
        if (word[i] < '0' || word[i] > '9')
            return std::nullopt;
        value = value * 10 + static_cast<unsigned long long>(word[i] - '0');
        if (modulo)
            value %= modulo;
        else if (value > limit)
            return std::nullopt;
    }
    return value;
}

std::optional<long long> level_words::size(const std::string& word)
{
    if (!word.empty() && word[0] == '-') {
        auto v = unsigned_number(word.substr(1), 0, max_grid_edge);
        if (!v)
            return std::nullopt;
        return -static_cast<long long>(*v);
    }
    auto v = unsigned_number(word, 0, max_grid_edge + 1);
    if (!v)
        return std::nullopt;
    return static_cast<long long>(*v);
}
