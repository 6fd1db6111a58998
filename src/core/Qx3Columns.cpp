#include "core/Qx3Columns.h"

#include "core/Messages.h"
#include "core/TextFile.h"
#include "core/TextUtil.h"

namespace vantor {

Qx3Columns::Qx3Columns(std::string_view kind, std::vector<Qx3Column> columns,
                       std::size_t recordLength)
    : kind_(kind), columns_(std::move(columns)), recordLength_(recordLength) {}

std::string Qx3Columns::Take(std::string_view line, std::size_t i) const {
    return Qx3Field(line, columns_.at(i));
}

std::string Qx3Columns::Value(std::string_view line, std::size_t i) const {
    return TrimWhite(Take(line, i));
}

std::string Qx3Columns::FormatMessage(std::string_view path) const {
    std::string m(path);
    m += " is not in proper ";
    m += kind_;
    m += " format.";
    return m;
}

std::string EmptyStartMessage(const TextLines& file, std::string_view path, std::string_view kind) {
    bool empty = true;
    for (std::string_view line : file.Lines())
        empty = empty && line.empty();
    std::string m(path);
    if (empty) return m + " is empty; it holds no " + std::string(kind) + " record.";
    return m + " is not in proper " + std::string(kind) + " format.";
}

bool Qx3Columns::Read(const std::string& path, Records records,
                      const RecordHandler& onRecord) const {
    TextLines file;
    if (!file.Load(path)) return false;
    if (file.Size() == 0 || file[0].empty()) {
        ShowError(EmptyStartMessage(file, path, kind_), "ERROR");
        return false;
    }
    int number = 0;
    for (std::size_t i = 0; i < file.Size(); ++i) {
        const std::string_view line = file[i];
        if (line.starts_with("#")) continue;
        if (line.size() != recordLength_) {
            ShowError(FormatMessage(path), "ERROR");
            return false;
        }
        if (!onRecord(line, ++number)) return false;
        if (records == Records::One) break;
    }
    if (number == 0) {
        // Only comment lines: there is no record of this kind to import.
        ShowError(FormatMessage(path), "ERROR");
        return false;
    }
    return true;
}

}  // namespace vantor
