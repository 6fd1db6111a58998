#pragma once
// The six record kinds of a crash-avoidance test: how each appears in the
// file (marker, the word its pipe error uses, fields on a line) and the rule of
// every field, in file order followed by the fields that are held but not
// written. Rules a table cannot say (choices, the sub-type's reference word,
// the vehicle-number range) are checked by CTcaData.
#include <span>
#include <string_view>

#include "core/FieldRule.h"

namespace vantor {

enum class TcaSectionId { Test, Vehicle, LowerBeam, Amber, Rollover, Instrumentation };

// A field answered from a drop-down list.
struct TcaChoice {
    size_t field;
    std::span<const std::string_view> options;
};

struct TcaSectionLayout {
    TcaSectionId id;
    std::string_view name;      // as in the marker line
    std::string_view pipeWord;  // as the pipe-error text names the section
    size_t written;             // fields on a file line
    bool single;                // one record (TEST, LOWER BEAM) or a list
    std::span<const FieldRule> fields;
    std::span<const TcaChoice> choices;

    int Pipes() const { return static_cast<int>(written) - 1; }
    RecordRules Rules() const { return {name, fields}; }
};

// The six sections in the order they are written and read.
std::span<const TcaSectionLayout> TcaSections();
const TcaSectionLayout& TcaSection(TcaSectionId id);

}  // namespace vantor
