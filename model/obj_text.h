// Line and field functions shared by the OBJ and MTL readers. Only the blank
// and the tab count as white space; a carriage return is an ordinary character.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The first word of the line.
std::string leadingToken(std::string_view line);
// Everything after the first word, without the white space around it.
std::string lineRemainder(std::string_view line);
// Pieces between separators; a separator that follows another (or starts the
// text) gives an empty piece, a separator at the end gives none.
std::vector<std::string> splitOn(std::string_view text, std::string_view separator);
// The text without its trailing carriage returns and line feeds.
std::string trimLineBreaks(std::string_view text);

// The longest number at the start of the field, leading white space skipped.
// Empty when there is none or it is out of range; floats must be finite.
std::optional<float> parseFloat(const std::string& field);
std::optional<int> parseInt(const std::string& field);
// The first `count` fields as floats; empty when there are fewer fields or
// one does not convert.
std::optional<std::vector<float>> parseFloats(const std::vector<std::string>& fields, std::size_t count);

// An OBJ index: 1 is the first element read so far, -1 the last. Empty when
// the text is no number, is 0, or points outside the list.
template <typename T>
std::optional<T> objIndexLookup(const std::vector<T>& list, const std::string& indexText) {
    const std::optional<int> index = parseInt(indexText);
    if (!index || *index == 0) return std::nullopt;
    const long long size = static_cast<long long>(list.size());
    const long long position = *index < 0 ? size + *index : *index - 1LL;
    if (position < 0 || position >= size) return std::nullopt;
    return list[static_cast<std::size_t>(position)];
}

// Calls visit(line) for every line of the text, split at line feeds, which
// are dropped; a text that ends with a line feed has no empty last line.
template <typename Visit>
bool forEachLine(std::string_view text, Visit visit) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (!visit(text.substr(0, end))) return false;
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return true;
}
