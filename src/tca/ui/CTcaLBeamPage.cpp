#include "tca/ui/CTcaLBeamPage.h"

#include <array>

#include "tca/CTcaData.h"

namespace vantor {

namespace {

using D = CTcaData;

// The header fields two to a line, then each location with its illuminance.
const std::array<PageFields::Row, D::kLbFieldCount>& Rows() {
    static const std::array<PageFields::Row, D::kLbFieldCount> rows = [] {
        std::array<PageFields::Row, D::kLbFieldCount> r{};
        size_t i = 0;
        r[i++] = {D::kLbVehicleNumber};
        r[i++] = {.field = D::kLbAmbientTemperature, .beside = true};
        r[i++] = {D::kLbWindSpeed};
        r[i++] = {.field = D::kLbDetector, .beside = true};
        r[i++] = {D::kLbIdleIgnition};
        r[i++] = {.field = D::kLbGlare, .beside = true};
        for (int k = 1; k <= D::kLocations; ++k) {
            r[i++] = {D::LocationField(k)};
            r[i++] = {.field = D::IlluminanceField(k), .beside = true};
        }
        r[i++] = {D::kLbCommentary, {}, true, true};
        return r;
    }();
    return rows;
}

}  // namespace

CTcaLBeamPage::CTcaLBeamPage(CTcaData* data, QWidget* parent)
    : CRecordPage("Lower Beam Information", parent) {
    SetSearchText("Find");
    AddRecord(data->Access(TcaSectionId::LowerBeam), Rows());
}

}  // namespace vantor
