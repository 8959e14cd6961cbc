#include "obj_text.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

constexpr std::string_view kWhiteSpace = " \t";

}  // namespace

std::string leadingToken(std::string_view line) {
    const std::size_t start = line.find_first_not_of(kWhiteSpace);
    if (start == std::string_view::npos) return {};
    const std::size_t end = line.find_first_of(kWhiteSpace, start);
    return std::string(line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

std::string lineRemainder(std::string_view line) {
    const std::size_t token = line.find_first_not_of(kWhiteSpace);
    if (token == std::string_view::npos) return {};
    const std::size_t gap = line.find_first_of(kWhiteSpace, token);
    if (gap == std::string_view::npos) return {};
    const std::size_t start = line.find_first_not_of(kWhiteSpace, gap);
    if (start == std::string_view::npos) return {};
    const std::size_t last = line.find_last_not_of(kWhiteSpace);
    return std::string(line.substr(start, last - start + 1));
}

std::vector<std::string> splitOn(std::string_view text, std::string_view separator) {
    std::vector<std::string> pieces;
    std::string piece;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view candidate = text.substr(i, separator.size());
        if (candidate == separator) {
            if (!piece.empty()) {
                pieces.push_back(piece);
                piece.clear();
                i += separator.size() - 1;
            } else {
                pieces.emplace_back();
            }
        } else if (i + separator.size() >= text.size()) {
            piece += candidate;
            pieces.push_back(piece);
            break;
        } else {
            piece += text[i];
        }
    }
    return pieces;
}

std::string trimLineBreaks(std::string_view text) {
    const std::size_t last = text.find_last_not_of("\r\n");
    if (last == std::string_view::npos) return std::string(text);
    return std::string(text.substr(0, last + 1));
}

std::optional<float> parseFloat(const std::string& field) {
    const char* start = field.c_str();
    char* end = nullptr;
    errno = 0;
    const float value = std::strtof(start, &end);
    if (end == start || errno == ERANGE || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<int> parseInt(const std::string& field) {
    const char* start = field.c_str();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(start, &end, 10);
    if (end == start || errno == ERANGE || value < INT_MIN || value > INT_MAX) return std::nullopt;
    return static_cast<int>(value);
}

std::optional<std::vector<float>> parseFloats(const std::vector<std::string>& fields, std::size_t count) {
    if (fields.size() < count) return std::nullopt;
    std::vector<float> values;
    for (std::size_t i = 0; i < count; ++i) {
        const std::optional<float> value = parseFloat(fields[i]);
        if (!value) return std::nullopt;
        values.push_back(*value);
    }
    return values;
}
