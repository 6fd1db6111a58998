#include "biomech/BioTestFile.h"

#include "biomech/BioFieldRules.h"
#include "biomech/BioSensorChain.h"
#include "core/Messages.h"
#include "core/RecordLineRule.h"
#include "core/TextUtil.h"

namespace vantor {

namespace {

std::string CurveLabel(size_t column) {
    return std::string(kBioInstrumentationRules.fields[column + 1].reportLabel);
}

}  // namespace

bool BioTestFile::LoadFile(const std::string& path) {
    const std::string ext = ToLower(ExtensionOf(path));
    bool ok = false;
    if (ext == "qx5" || ext == "qx4") {
        const Outcome outcome = ReplaceWith(
            data_, [&] { return ext == "qx5" ? data_.ReadQx5(path) : data_.ReadQx4(path); });
        if (outcome == Outcome::Kept) return true;  // the user kept the entries
        ok = outcome == Outcome::Loaded;
        if (ok && ext == "qx5") data_.ReadHs5(SideFileName(path, ".hs5"), false);
    } else if (ext == "gr1") {
        ok = data_.ImportGR1(path);
    } else if (ext == "gr5") {
        ok = data_.ImportGR5(path);
    } else if (ext == "gr6") {
        ok = data_.ImportGR6(path);
    } else if (ext == "gr7") {
        ok = data_.ImportGR7(path);
    } else if (ext == "gr8") {
        ok = data_.ImportGR8(path);
    } else if (ext == "gry") {
        ok = data_.ImportGRY(path);
    } else if (ext == "grz") {
        ok = data_.ImportGRZ(path);
    } else {
        ShowPlain(
            "A biomechanics test is loaded from .qx5, .qx4, .gr1, .gr5, .gr6, .gr7, .gr8, "
            ".gry or .grz files, not from " +
                path,
            "Error");
        return false;
    }
    if (!ok) ShowPlain("File import fails:\n\r" + path);
    return ok;
}

bool BioTestFile::Save(const std::string& path) {
    if (!data_.HasOccupantRecord()) {
        ShowPlain(CBioData::kNoOccupantSave);
        return false;
    }
    const std::string target = WithExtension(path, "qx5");
    if (!data_.SideFileAllowed(false, kIllegalDataMessage)) return false;
    if (!data_.WriteQx5(target)) return false;
    return data_.SaveSideFile(target, false, kIllegalDataMessage);
}

bool BioTestFile::SaveReport(const std::string& path) {
    if (!data_.HasOccupantRecord()) {
        ShowPlain(CBioData::kNoOccupantReport);
        return false;
    }
    const std::string target = WithExtension(path, "qxr");
    if (!data_.SideFileAllowed(true, kIllegalDataMessage)) return false;
    if (!data_.WriteReport(target)) return false;
    return data_.SaveSideFile(target, true, kIllegalDataMessage);
}

void BioTestFile::Check(CodeLookup* codes, std::vector<FieldIssue>& out) {
    for (BioRecord record :
         {BioRecord::Test, BioRecord::DummyOccupant, BioRecord::BioOccupant, BioRecord::Rib,
          BioRecord::Anthropometry, BioRecord::OccupantInjury, BioRecord::Restraint,
          BioRecord::Instrumentation, BioRecord::ChestBand, BioRecord::ChestBandGauge}) {
        const RecordRules& rules = CBioData::Rules(record);
        for (int n = 1; n <= data_.RecordCount(record); ++n) {
            std::vector<std::string> fields = data_.Fields(record, n);
            CheckRecord(rules, n, fields, codes, out);
            if (data_.HasData(record))
                CheckRecordLine(rules, n, data_.WrittenFields(record, n), out);
        }
    }

    const std::string& bmc = data_.bioOccupant_[CBioData::kOccBoneMineralContent];
    if (IsRealNumber(bmc) && TextToReal(bmc) <= 0)
        out.push_back(
            {"BIO OCCUPANT", 1,
             std::string(kBioOccupantRules.fields[CBioData::kOccBoneMineralContent].reportLabel),
             bmc, "must be greater than 0"});

    if (codes) {
        for (int n = 1; n <= data_.instrumentation_.Count(); ++n)
            for (const SensorChainCheck& c : SensorChainChecks(data_, n)) {
                const std::string& value = data_.instrumentation_.Value(n, c.column);
                if (!codes->IsKnownByQuery(c.statement, TrimWhite(value)))
                    out.push_back({"INSTRUMENTATION", n, CurveLabel(c.column), value,
                                   "not listed by " + c.statement.Text()});
            }
    }

    data_.CheckCameras(codes, out);

    if (!data_.HasOccupantRecord()) {
        ShowPlain(CBioData::kNoOccupantSave);
        out.push_back({"TEST", 1,
                       std::string(kBioTestRules.fields[CBioData::kOccupantType].reportLabel),
                       data_.occupantType_,
                       "no occupant record would be saved: neither the dummy nor the "
                       "biological occupant record holds data for this occupant type"});
    }
}

CurveCheckedTest::CurvePoints BioTestFile::InstrumentationPoints() const {
    const RecordTable& t = data_.instrumentation_;
    return {t.Column(CBioData::kInstFirstPoint), t.Column(CBioData::kInstLastPoint),
            t.Column(CBioData::kInstTimeIncrement)};
}

}  // namespace vantor
