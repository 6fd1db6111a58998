#include "curves/CurveErrorList.h"

#include "core/TextUtil.h"

namespace vantor {

namespace {

std::string PrintableCell(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f) c = '?';
    }
    return out;
}

void WriteLine(std::ostream& out, const std::array<std::string, CurveErrorList::kColumns>& cells) {
    for (int i = 0; i < CurveErrorList::kColumns; ++i) {
        if (i > 0) out << '\t';
        out << PrintableCell(cells[i]);
    }
    out << '\n';
}

}  // namespace

const std::array<std::string, CurveErrorList::kColumns>& CurveErrorList::Headers() {
    static const std::array<std::string, kColumns> headers = {
        "curno",
        "nfp(qx5)",
        "nfp(curve)",
        "nlp(qx5)",
        "nlp(curve)",
        "total(qx5)",
        "total(curve)",
        "del(qx5)",
        "del(curve)",
        std::string(32, ' ') + "Note" + std::string(32, ' '),
        std::string(26, ' ') + "Curve Data Error" + std::string(26, ' '),
    };
    return headers;
}

std::array<std::string, CurveErrorList::kColumns> CurveErrorList::Row(const CurveInfo& info) {
    auto positiveOrDash = [](int v) { return v < 1 ? std::string("-") : IntToText(v); };
    return {
        IntToText(info.curveNumber),
        IntToText(info.firstPointTest),
        info.firstPointCurve == CurveInfo::kNoFirstPoint ? "-" : IntToText(info.firstPointCurve),
        IntToText(info.lastPointTest),
        positiveOrDash(info.lastPointCurve),
        IntToText(info.totalPointsTest),
        IntToText(info.totalPointsCurve),
        IntToText(info.timeStepTest),
        positiveOrDash(info.timeStepCurve),
        info.hint,
        info.fileError,
    };
}

void CurveErrorList::Write(std::ostream& out, const std::vector<CurveInfo>& records) {
    WriteLine(out, Headers());
    for (const CurveInfo& info : records)
        WriteLine(out, Row(info));
}

}  // namespace vantor
