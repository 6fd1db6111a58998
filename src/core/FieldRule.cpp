#include "core/FieldRule.h"

#include <cerrno>
#include <cstdlib>

#include "core/TextUtil.h"

namespace vantor {

namespace {
std::string Range(const FieldRule& r) {
    return "(" + RealToText(r.min) + " - " + RealToText(r.max) + ")";
}
}  // namespace

std::string FieldProblem(const FieldRule& rule, std::string_view raw, CodeLookup* codes) {
    std::string value = TrimmedBlanks(raw);
    if (rule.kind == FieldKind::ReadOnly) return {};
    if (value.empty()) {
        if (rule.emptyAllowed || rule.kind == FieldKind::Text || rule.kind == FieldKind::Upper)
            return {};
        return "empty";
    }
    switch (rule.kind) {
        case FieldKind::Text:
        case FieldKind::Upper:
            if (value.size() < rule.min || value.size() > rule.max)
                return "length out of range " + Range(rule);
            return {};
        case FieldKind::Integer:
        case FieldKind::Long: {
            if (!IsIntegerNumber(value)) return "not an integer";
            errno = 0;
            long long v = std::strtoll(value.c_str(), nullptr, 10);
            if (errno == ERANGE || v < rule.min || v > rule.max)
                return "out of range " + Range(rule);
            return {};
        }
        case FieldKind::Real: {
            if (!IsRealNumber(value)) return "not a number";
            double v = TextToReal(value);
            if (v < rule.min || v > rule.max) return "out of range " + Range(rule);
            return {};
        }
        case FieldKind::Date: {
            std::string text = value;
            std::string reason = CheckTestDate(text, nullptr);
            if (!reason.empty()) return "bad date (" + reason + ")";
            return {};
        }
        case FieldKind::Code:
            if (codes && !codes->IsKnownCode(rule.CheckCode(), rule.CheckRef(), value))
                return "code not found in KORVADB_" + std::string(rule.CheckCode()) + " for " +
                       std::string(rule.CheckRef());
            return {};
        case FieldKind::ReadOnly:
            return {};
    }
    return {};
}

std::string FormatFieldIssue(const FieldIssue& i) {
    return i.section + " record " + std::to_string(i.record) + ": " + i.label + " \"" + i.value +
           "\": " + i.reason;
}

void CheckRecord(const RecordRules& rules, int record, const std::vector<std::string>& values,
                 CodeLookup* codes, std::vector<FieldIssue>& out) {
    for (size_t i = 0; i < rules.fields.size(); ++i) {
        const FieldRule& rule = rules.fields[i];
        std::string value = i < values.size() ? values[i] : std::string();
        std::string reason = FieldProblem(rule, value, codes);
        if (!reason.empty())
            out.push_back(
                {std::string(rules.section), record, std::string(rule.reportLabel), value, reason});
    }
}

}  // namespace vantor
