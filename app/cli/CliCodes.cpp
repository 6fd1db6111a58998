#include "CliTypes.h"
#include "codes/CodeValidator.h"
#include "codes/CodesConnection.h"

namespace vantor::cli {

namespace {

// A field holding one value, as the validator sees an edit field.
class ValueField : public ICodeField {
  public:
    explicit ValueField(std::string_view text) : text_(text) {}
    std::string GetText() const override { return text_; }
    void SetValid(bool) override {}

  private:
    std::string text_;
};

// Answers the whole-test check with the same statements and rules as the
// editor's coded fields; the connection reads each look-up once.
class DatabaseCodes : public CodeLookup {
  public:
    bool Open(const std::string& path) { return connection_.Open(path); }
    bool IsKnownCode(std::string_view codeName, std::string_view refWord,
                     std::string_view code) override {
        ValueField field(code);
        return CodeValidator(connection_).ValidateCode(field, codeName, refWord);
    }
    bool IsKnownByQuery(const CodeQuery& query, std::string_view value) override {
        ValueField field(value);
        return CodeValidator(connection_).ValidateCodeByQuery(field, query);
    }

  private:
    CodesConnection connection_;
};

}  // namespace

std::unique_ptr<CodeLookup> OpenCodes(const std::string& path) {
    auto codes = std::make_unique<DatabaseCodes>();
    if (!codes->Open(path)) return nullptr;
    return codes;
}

}  // namespace vantor::cli
