#include "data/whole_number.h"

#include <limits>

namespace {

// The blanks SQL itself skips between tokens.
bool isBlank(QChar character) {
    const char16_t code = character.unicode();
    return code == u' ' || code == u'\t' || code == u'\n' || code == u'\r' || code == u'\f';
}

} // namespace

std::optional<int> parseWholeNumber(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;

    bool negative = false;
    if (begin < end && (text.at(begin) == u'+' || text.at(begin) == u'-')) {
        negative = text.at(begin) == u'-';
        ++begin;
    }
    if (begin == end)
        return std::nullopt;

    // Accumulated as a negative number so that the lowest 32-bit value fits as well.
    constexpr qint64 lowest = std::numeric_limits<int>::min();
    qint64 value = 0;
    for (qsizetype index = begin; index < end; ++index) {
        const char16_t code = text.at(index).unicode();
        if (code < u'0' || code > u'9')
            return std::nullopt;
        value = value * 10 - (code - u'0');
        if (value < lowest)
            return std::nullopt;
    }
    if (!negative) {
        value = -value;
        if (value > std::numeric_limits<int>::max())
            return std::nullopt;
    }
    return int(value);
}
