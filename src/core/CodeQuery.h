#pragma once
// A look-up statement built from a test's own values (a sensor attachment, a
// unit ...). It keeps the values apart from the statement around them, so the
// codes database can prepare the statement once and bind each record's
// values, while messages still show the statement with the values in place.
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// The value as it goes between single quotes: every quote doubled.
std::string SqlQuoted(std::string_view value);

struct CodeQuery {
    // The statement text around the values: one piece more than values. Each
    // value stands inside a quoted literal of the statement.
    std::vector<std::string> pieces;
    std::vector<std::string> values;

    // The statement with every value quoted in place, as it is shown.
    std::string Text() const;
    // The statement with parameters ?1, ?2 ... in place of the values: the
    // literal around a value is closed and joined to the parameter, so the
    // engine compares with the same text.
    std::string Template() const;

    bool operator==(const CodeQuery&) const = default;
};

}  // namespace vantor
