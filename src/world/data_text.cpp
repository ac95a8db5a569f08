#include "data_text.h"

#include <cerrno>
#include <charconv>
#include <clocale>
#include <cstdlib>
#include <locale.h>

namespace
{

// Made once and kept for the life of the process, as the C library allows.
locale_t c_numeric_locale()
{
    static const locale_t c_locale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
    return c_locale;
}

} // namespace

bool data_text::read_double(const std::string& word, double& value)
{
    if (word.empty())
        return false;
    const locale_t c_locale = c_numeric_locale();
    if (c_locale == static_cast<locale_t>(0))
        return false;
    const char* begin = word.c_str();
    char* end = nullptr;
    errno = 0;
    const double parsed = strtod_l(begin, &end, c_locale);
    if (end != begin + word.size() || errno == ERANGE)
        return false;
    value = parsed;
    return true;
}

bool data_text::read_integer(const std::string& word, long long& value)
{
    const char* begin = word.data();
    const char* end = begin + word.size();
    // from_chars takes a minus sign but no plus sign.
    if (begin != end && *begin == '+' && end - begin > 1 && begin[1] != '-')
        ++begin;
    long long parsed = 0;
    const auto result = std::from_chars(begin, end, parsed, 10);
    if (begin == end || result.ec != std::errc() || result.ptr != end)
        return false;
    value = parsed;
    return true;
}

void data_text::skip_byte_order_mark(std::istream& in)
{
    static const char mark[] = "\xEF\xBB\xBF";
    if (in.peek() != static_cast<unsigned char>(mark[0]))
        return;
    const std::istream::pos_type start = in.tellg();
    char head[3] = {};
    in.read(head, 3);
    if (in.gcount() == 3 && head[0] == mark[0] && head[1] == mark[1] && head[2] == mark[2])
        return;
    in.clear();
    in.seekg(start);
}
