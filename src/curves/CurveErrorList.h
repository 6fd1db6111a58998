#pragma once
// The curve error list: every curve of the last check beside the values of
// its INSTRUMENTATION record. The desktop window and vantor-cli both show
// these columns and cells.
#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "curves/CurveCheckState.h"

namespace vantor {

class CurveErrorList {
  public:
    static constexpr int kColumns = 11;

    static constexpr const char* kCaption =
        "Numbers of First (nfp), Last (nlp), Time-Interval (delt) & Total point in Qx5 INST and "
        "its curve";
    static constexpr const char* kNote =
        "Note: qx5 -- data from qx5 file; curve -- data from curve; nfp -- number of first "
        "point; nlp -- number of last point; del -- time step";

    static const std::array<std::string, kColumns>& Headers();
    // The numbers are right-aligned, the note and the curve data error left.
    static bool RightAligned(int column) { return column < 9; }
    static std::array<std::string, kColumns> Row(const CurveInfo& info);

    // The list as text: the header line, then one line per curve, the cells
    // separated by tabs. Control characters that a bad curve line may have
    // brought into an error text are shown as '?', so that each curve stays
    // one line of eleven cells.
    static void Write(std::ostream& out, const std::vector<CurveInfo>& records);
};

}  // namespace vantor
