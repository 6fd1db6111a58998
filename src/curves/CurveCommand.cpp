#include "curves/CurveCommand.h"

#include "core/Messages.h"
#include "curves/CurveCheckedTest.h"
#include "curves/CurveErrorList.h"
#include "curves/CurvePageSteps.h"

namespace vantor {

int RunCurveCommand(TestFileType& test, const std::string& type, const std::string& input,
                    std::ostream& out) {
    CurveCheckedTest* curves = CurveCheckOf(test);
    CurveCheckState* state = curves ? curves->CurveState() : nullptr;
    if (!state) {
        ShowError("The " + type + " test has no curve check.", "Error");
        return 2;
    }
    if (!test.Load(input)) return 1;

    // The curves checked are those beside the file named, whatever kind of
    // file the type loaded it as.
    state->testPath = input;
    state->ClearResults();
    CurveStatusView status = CurvePageSteps::CheckAll(*state, curves->InstrumentationPoints(), 1);

    CurveErrorList::Write(out, state->records);
    out << status.text << '\n';
    out.flush();
    return status.foundError ? 1 : 0;
}

}  // namespace vantor
