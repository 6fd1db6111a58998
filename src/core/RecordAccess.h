#pragma once
// One record kind of a test, addressed by position: records 1..Count(), each
// field by its index in the kind's field-rule table. Pages show and edit every
// record kind through it, whatever member or table the data object keeps it in.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/FieldRule.h"
#include "core/RecordTable.h"

namespace vantor {

class RecordAccess {
  public:
    virtual ~RecordAccess() = default;

    virtual const RecordRules& Rules() const = 0;
    virtual int Count() const = 0;
    // Field `field` of record `record`; empty for a record that is not held.
    virtual std::string Get(int record, size_t field) const = 0;
    // Stores a field of a record 1..Count(); fields that are not kept per
    // record (the record's number) are left alone.
    virtual void Set(int record, size_t field, std::string_view value) = 0;
    // Appends a record holding the kind's defaults; returns its number.
    virtual int Add() = 0;
    // Removes a record; the later ones move up one number.
    virtual void Delete(int record) = 0;
    // Makes record `to` a copy of record `from`.
    virtual void Copy(int from, int to) = 0;
};

// A repeated record kind kept in a RecordTable. Each rule field maps to a
// table column, or is the record's number (its place), or is not kept here.
class TableRecords : public RecordAccess {
  public:
    static constexpr int kPlace = -1;    // the record's number, by its place
    static constexpr int kNotKept = -2;  // kept elsewhere (read as empty)

    // `columns[f]` is the column of rule field f. `numberColumn` (if not
    // kNotKept) holds 1, 2, 3 ... and is rewritten when records are added,
    // copied or deleted.
    TableRecords(RecordTable& table, const RecordRules& rules, std::vector<int> columns,
                 int numberColumn = kNotKept);
    // Rule field f is column f - first; the fields before `first` are the
    // record's number.
    static std::vector<int> Shifted(const RecordRules& rules, size_t first);

    const RecordRules& Rules() const override { return rules_; }
    int Count() const override { return table_.Count(); }
    std::string Get(int record, size_t field) const override;
    void Set(int record, size_t field, std::string_view value) override;
    int Add() override;
    void Delete(int record) override;
    void Copy(int from, int to) override;

  protected:
    RecordTable& Table() const { return table_; }
    // Writes the kind's defaults (and the record's number) into a record.
    void FillDefaults(int record);

  private:
    int ColumnOf(size_t field) const;

    RecordTable& table_;
    const RecordRules& rules_;
    std::vector<int> columns_;
    int numberColumn_;
};

// A single-record kind (TEST) kept in separate members: rule field f is
// *members[f], or not kept here when that is null. Its one record always
// exists.
class MemberRecord : public RecordAccess {
  public:
    MemberRecord(const RecordRules& rules, std::vector<std::string*> members);

    const RecordRules& Rules() const override { return rules_; }
    int Count() const override { return 1; }
    std::string Get(int record, size_t field) const override;
    void Set(int record, size_t field, std::string_view value) override;
    int Add() override { return 1; }
    void Delete(int) override {}
    void Copy(int, int) override {}

  private:
    std::string* MemberOf(size_t field) const;

    const RecordRules& rules_;
    std::vector<std::string*> members_;
};

}  // namespace vantor
