#include "biomech/BioSensorChain.h"

#include "codes/CodeStatements.h"
#include "core/TextUtil.h"

namespace vantor {

std::vector<SensorChainCheck> SensorChainChecks(const CBioData& data, int curve) {
    const RecordTable& t = data.instrumentation_;
    const std::string attachment = TrimWhite(t.Get(curve, CBioData::kInstSensorAttachment));
    const std::string units = TrimWhite(t.Get(curve, CBioData::kInstYUnits));
    std::vector<SensorChainCheck> checks;
    auto add = [&](size_t column, CodeQuery statement) {
        if (!IsBlank(t.Get(curve, column))) checks.push_back({column, std::move(statement)});
    };
    add(CBioData::kInstYUnits, UnitsOfAttachmentQuery(attachment));
    add(CBioData::kInstSensorLocation, LocationsOfAttachmentQuery(attachment, units));
    add(CBioData::kInstSensorType, SensorTypesOfUnitsQuery(units));
    return checks;
}

}  // namespace vantor
