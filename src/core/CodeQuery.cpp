#include "core/CodeQuery.h"

namespace vantor {

std::string SqlQuoted(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (char c : value) {
        out += c;
        if (c == '\'') out += '\'';
    }
    return out;
}

std::string CodeQuery::Text() const {
    std::string text;
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0 && i - 1 < values.size()) text += SqlQuoted(values[i - 1]);
        text += pieces[i];
    }
    return text;
}

std::string CodeQuery::Template() const {
    std::string text;
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0 && i - 1 < values.size()) text += "' || ?" + std::to_string(i) + " || '";
        text += pieces[i];
    }
    return text;
}

}  // namespace vantor
