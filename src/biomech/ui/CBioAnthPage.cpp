#include "biomech/ui/CBioAnthPage.h"

#include <array>

#include "biomech/BioRecordAccess.h"

namespace vantor {

namespace {

using D = CBioData;

// Two measurements to a line, in record order.
const std::array<PageFields::Row, D::kAnthropometryFieldCount>& Rows() {
    static const std::array<PageFields::Row, D::kAnthropometryFieldCount> rows = [] {
        std::array<PageFields::Row, D::kAnthropometryFieldCount> r{};
        for (size_t f = 0; f < r.size(); ++f)
            r[f] = {.field = f, .beside = f % 2 == 1};
        return r;
    }();
    return rows;
}

}  // namespace

CBioAnthPage::CBioAnthPage(CBioData* data, QWidget* parent) : CRecordPage("Anthropometric Info", parent) {
    AddRecord(BioAccess(*data, BioRecord::Anthropometry), Rows());
}

}  // namespace vantor
