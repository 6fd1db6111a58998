#include "biomech/ui/CBioInstPage.h"

#include "biomech/BioFieldRules.h"
#include "biomech/BioRecordAccess.h"
#include "biomech/BioSensorChain.h"
#include "biomech/ui/BioRecordTexts.h"
#include "codes/CodeLists.h"
#include "codes/CodeStatements.h"
#include "codes/CodeValidator.h"
#include "codes/ui/CSearch.h"
#include "core/Messages.h"
#include "core/TextUtil.h"
#include "curves/ui/CurveCheckPanel.h"
#include "widgets/CNEdit.h"

namespace vantor {

namespace {

using D = CBioData;

// Rule field of an INSTRUMENTATION column: field 0 is the curve number.
constexpr size_t F(size_t column) {
    return column + 1;
}

// The curve number is the list beside. The coded fields in chain order,
// one to a line; the measured values two to a line (the date, with its
// picker, alone).
constexpr PageFields::Row kRows[] = {
    {F(D::kInstSensorAttachment)},
    {F(D::kInstYUnits)},
    {F(D::kInstSensorType)},
    {F(D::kInstSensorLocation)},
    {F(D::kInstAxis)},
    {F(D::kInstXUnits)},
    {F(D::kInstDataStatus)},
    {F(D::kInstChannelStatus)},
    {F(D::kInstPrefilter)},
    {.field = F(D::kInstRating), .beside = true},
    {F(D::kInstChannelMaxRating)},
    {.field = F(D::kInstInitialVelocity), .beside = true},
    {F(D::kInstFirstPoint)},
    {.field = F(D::kInstLastPoint), .beside = true},
    {F(D::kInstTimeIncrement)},
    {F(D::kInstCalibrationDate)},
    {F(D::kInstManufacturer), {}, true},
    {F(D::kInstComments), {}, true},
};

// The sensor locations a curve is offered, by occupant type: the locations
// of the occupant's own table, and the places that suit every occupant
// (the test apparatus, not applicable, other). Only codes OCCLOC holds are
// listed.
struct OccupantLocations {
    bool biological;
    std::string_view occupantTable;
};
constexpr OccupantLocations kOccupantLocations[] = {
    {true, "BOCCLOC"},
    {false, "DOCCLOC"},
};
constexpr std::string_view kEveryOccupantLocations[] = {"AP", "NA", "OT"};

std::vector<std::string> OfferedLocations(std::string_view occupantType) {
    const bool biological = D::IsBiologicalType(occupantType);
    std::vector<std::string> allowed;
    for (const OccupantLocations& rule : kOccupantLocations) {
        if (rule.biological != biological) continue;
        CodeListRows rows;
        CodeLists().CodeList(rule.occupantTable, kBioRefWord, {}, rows);
        for (const auto& row : rows)
            if (!row.empty()) allowed.push_back(row[0]);
    }
    for (std::string_view code : kEveryOccupantLocations)
        allowed.emplace_back(code);
    return allowed;
}

// The fields the sensor chain links.
constexpr size_t kChainColumns[] = {D::kInstSensorAttachment, D::kInstYUnits,
                                    D::kInstSensorType, D::kInstSensorLocation};

bool IsChainField(size_t field) {
    for (size_t column : kChainColumns)
        if (F(column) == field) return true;
    return false;
}

constexpr std::string_view kAttachmentFirst =
    "Please enter 'SENATT(Sensor Attachment)' prior to searching 'Y Unit'.";
constexpr std::string_view kUnitsBeforeType =
    "Please enter 'Y Units' prior to searching 'Sensor type'.";
constexpr std::string_view kUnitsBeforeAxis = "Please enter 'Y Units' prior to searching 'Axis'.";
constexpr std::string_view kLocationBeforeAxis =
    "Please enter 'Sensor location' prior to searching 'Axis'.";

}  // namespace

CBioInstPage::CBioInstPage(CBioData* data, CurveCheckedTest* curves, QWidget* parent)
    : CRecordPage("Instrumentation Info", parent), data_(data) {
    PageFields* fields =
        AddRepeated(BioAccess(*data, BioRecord::Instrumentation), kRows,
                    BioRecordTexts("CBioInstPage", "Curve Number", "Go to (or add) the next curve",
                                   "Delete curve"));
    fields->SetSearchHandler(F(D::kInstSensorAttachment), [this] { OnSearchAttachment(); });
    fields->SetSearchHandler(F(D::kInstYUnits), [this] { OnSearchYUnits(); });
    fields->SetSearchHandler(F(D::kInstSensorType), [this] { OnSearchSensorType(); });
    fields->SetSearchHandler(F(D::kInstSensorLocation), [this] { OnSearchSensorLocation(); });
    fields->SetSearchHandler(F(D::kInstAxis), [this] { OnSearchAxis(); });
    curvePanel_ = new CurveCheckPanel(
        *this, *curves,
        {F(D::kInstFirstPoint), F(D::kInstLastPoint), F(D::kInstTimeIncrement)});
    curvePanel_->SetPlotFields({F(D::kInstXUnits), F(D::kInstYUnits), F(D::kInstSensorLocation),
                                F(D::kInstAxis)});
    AddWideWidget(curvePanel_);
    // A new link of the chain may mend the others: they go back to their
    // code-table check, and the chain is checked again at the next save.
    connect(fields, &PageFields::CodeChosen, this, [this](size_t field) {
        if (!IsChainField(field)) return;
        for (size_t column : kChainColumns)
            Fields()->ValidateCode(F(column));
        emit ValidityChanged();
    });
}

CNEdit* CBioInstPage::Column(size_t column) const {
    return Fields()->Edit(F(column));
}

std::string CBioInstPage::Value(size_t column) const {
    return TrimWhite(Fields()->Value(F(column)));
}

void CBioInstPage::Put(size_t column, const std::string& code) {
    CNEdit* edit = Column(column);
    edit->SetText(code);
    edit->SetValid(true);
    emit Fields()->CodeChosen(F(column));
}

void CBioInstPage::OnSearchAttachment() {
    CSearch search(this, "SENATT", std::string(kBioRefWord), SensorAttachmentsStatement());
    if (search.exec() == QDialog::Accepted) Put(D::kInstSensorAttachment, search.GetSelectedCode());
}

void CBioInstPage::OnSearchYUnits() {
    const std::string attachment = Value(D::kInstSensorAttachment);
    if (attachment.empty()) {
        ShowPlain(kAttachmentFirst);
        return;
    }
    CSearch search(this, "BIO_YUNITS", attachment);
    if (search.exec() != QDialog::Accepted) return;
    Put(D::kInstYUnits, search.GetSelectedCode());
    // A unit that only one location of the attachment measures brings it.
    const std::string location = TrimWhite(search.GetSelectedDescription());
    if (!location.empty()) Put(D::kInstSensorLocation, location);
}

void CBioInstPage::OnSearchSensorType() {
    const std::string units = Value(D::kInstYUnits);
    if (units.empty()) {
        ShowPlain(kUnitsBeforeType);
        return;
    }
    CSearch search(this, "SENTYP", std::string(kBioRefWord), SensorTypesForUnitsStatement(units));
    if (search.exec() == QDialog::Accepted) Put(D::kInstSensorType, search.GetSelectedCode());
}

void CBioInstPage::OnSearchSensorLocation() {
    // The occupant type as the General Test Info page left it.
    CSearch search(this, "OCCLOC", std::string(kBioRefWord),
                   OfferedLocations(TrimWhite(data_->occupantType_)));
    if (search.exec() == QDialog::Accepted) Put(D::kInstSensorLocation, search.GetSelectedCode());
}

void CBioInstPage::OnSearchAxis() {
    if (Value(D::kInstYUnits).empty()) {
        ShowPlain(kUnitsBeforeAxis);
        return;
    }
    if (Value(D::kInstSensorLocation).empty()) {
        ShowPlain(kLocationBeforeAxis);
        return;
    }
    Fields()->RunSearch(F(D::kInstAxis));
}

bool CBioInstPage::ValidateAllRecords() {
    return CRecordPage::ValidateAllRecords() && CheckSensorChain();
}

bool CBioInstPage::CheckSensorChain() {
    const int count = data_->instrumentation_.Count();
    const int shown = Navigator()->Current();
    for (int r = 1; r <= count; ++r) {
        const std::vector<SensorChainCheck> checks = SensorChainChecks(*data_, r);
        if (checks.empty()) continue;
        Navigator()->SetCount(count);
        Navigator()->SetCurrent(r);
        Navigator()->Refresh();
        bool valid = true;
        for (const SensorChainCheck& check : checks)
            valid = CodeValidator().ValidateCodeByQuery(*Column(check.column), check.statement) &&
                    valid;
        if (!valid) {
            emit ValidityChanged();
            return false;
        }
    }
    Navigator()->SetCount(count);
    Navigator()->SetCurrent(shown);
    Navigator()->Refresh();
    return true;
}

}  // namespace vantor
