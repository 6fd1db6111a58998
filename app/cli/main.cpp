// vantor-cli: the command-line companion of the desktop program. It loads
// tests, converts them, writes reports and checks them, printing every
// message box the editor would show on stderr.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include <unistd.h>

#include "CliTypes.h"
#include "core/Messages.h"
#include "core/TextFile.h"

using namespace vantor;

namespace {

constexpr const char* kUsage =
    "usage:\n"
    "  vantor-cli convert --type TYPE -o OUT INPUT...\n"
    "  vantor-cli report  --type TYPE -o OUT INPUT...\n"
    "  vantor-cli check   --type TYPE [--codes DB] INPUT...\n"
    "  vantor-cli curves  --type TYPE INPUT.qx5\n"
    "  vantor-cli --help | --version\n"
    "TYPE is one of vehicle, component, biomech, swg, tca.\n";

std::string VersionText() {
    return "vantor-cli " + std::to_string(VANTOR_VERSION_MAJOR) + "." +
           std::to_string(VANTOR_VERSION_MINOR) + "." + std::to_string(VANTOR_VERSION_PATCH) + "." +
           std::to_string(VANTOR_VERSION_TWEAK);
}

int Usage(const std::string& problem) {
    if (!problem.empty()) std::cerr << "vantor-cli: " << problem << "\n";
    std::cerr << kUsage;
    return 2;
}

struct Arguments {
    std::string command, type, output, codes = "ncodes.mdb";
    std::vector<std::string> inputs;
};

// Whether a path names a regular file that can be opened for reading; the
// type's loader has already said why when it cannot. Nothing is opened here:
// opening a FIFO would wait for a writer.
bool Readable(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec) && ::access(path.c_str(), R_OK) == 0;
}

}  // namespace

// Defined by the curve check when this build has it.
int RunCurvesCommand(TestFileType& test, const std::string& type, const std::string& input);

int main(int argc, char** argv) {
    StderrMessages messages;
    SetMessages(&messages);

    if (argc < 2) return Usage("");
    // Asking for help or the version wins over anything else on the line.
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (a == "--version") {
            std::cout << VersionText() << "\n";
            return 0;
        }
    }
    Arguments args;
    args.command = argv[1];
    for (int i = 2; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= argc) return false;
            into = argv[++i];
            return true;
        };
        if (a == "--type") {
            if (!value(args.type)) return Usage("--type needs a value");
        } else if (a == "-o") {
            if (!value(args.output)) return Usage("-o needs a value");
        } else if (a == "--codes") {
            if (!value(args.codes)) return Usage("--codes needs a value");
        } else if (a.starts_with("-") && a.size() > 1) {
            return Usage("unknown option " + a);
        } else {
            args.inputs.push_back(a);
        }
    }
    const bool writes = args.command == "convert" || args.command == "report";
    if (!writes && args.command != "check" && args.command != "curves")
        return Usage("unknown command " + args.command);
    if (args.type.empty()) return Usage("--type is required");
    if (args.inputs.empty()) return Usage("no input file");
    if (writes && args.output.empty()) return Usage("-o is required");
    if (args.command == "curves" && args.inputs.size() != 1)
        return Usage("curves takes one test file");

    auto test = cli::MakeTestType(args.type);
    if (!test) return Usage("unknown or unavailable test type " + args.type);

    if (args.command == "curves") return RunCurvesCommand(*test, args.type, args.inputs[0]);

    bool ok = true;
    bool allOpened = true;
    for (const auto& input : args.inputs) {
        allOpened = Readable(input) && allOpened;
        ok = test->Load(input) && ok;
    }

    // An input that could not be opened or read leaves a test that is not the
    // one asked for; writing it would replace OUT with an empty or partial test.
    if (writes && (!allOpened || !ok)) {
        std::cerr << "vantor-cli: " << args.output
                  << " was not written because an input could not be "
                  << (allOpened ? "read" : "opened") << ".\n";
        return 1;
    }
    if (args.command == "convert") return test->Save(args.output) ? 0 : 1;
    if (args.command == "report") return test->SaveReport(args.output) ? 0 : 1;

    // The codes database is opened by its engine, which would wait on a FIFO.
    std::error_code ec;
    if (std::filesystem::exists(args.codes, ec) &&
        !std::filesystem::is_regular_file(args.codes, ec)) {
        ShowPlain(NotRegularFileMessage(args.codes), "Error");
        return 1;
    }
    auto codes = cli::OpenCodes(args.codes);
    if (!codes) return 1;
    std::vector<FieldIssue> issues;
    test->Check(codes.get(), issues);
    for (const auto& issue : issues)
        std::cout << FormatFieldIssue(issue) << "\n";
    return ok && issues.empty() ? 0 : 1;
}
