// Every command with --json prints exactly one JSON document on standard output, when it succeeds and
// when it fails, with the exit status it has without --json.
#include <nlohmann/json.hpp>

#include "tests/cli/CliTestSupport.h"

namespace {

using nlohmann::json;

struct SJsonCase {
    const char* command;
    GwType type;
    std::vector<std::string> success;  // the words after "--json"; FILE stands for a copy of the golden file
    int successStatus;
    std::vector<std::string> failure;  // GONE stands for a device or file that is not there
    int failureStatus;
};

const char* GoldenOf(GwType type) {
    switch (type) {
        case GW_KAVELIS:
            return "kavelis.pkgw";
        case GW_DRAVO:
            return "dravo.dvgw";
        default:
            return "vosk.vogw";
    }
}

class CliJsonDocuments : public CliOnSim {
protected:
    std::vector<std::string> Words(const SJsonCase& c, const std::vector<std::string>& words) {
        const std::string extension(GwUnitDataOf(c.type).extension);
        std::vector<std::string> args = {"--json"};
        for (const std::string& word : words) {
            if (word == "FILE") {
                const std::string copy = PathOf(std::string(c.command) + extension);
                std::filesystem::copy_file(GoldenFile(GoldenOf(c.type)), copy,
                                           std::filesystem::copy_options::overwrite_existing);
                args.push_back(copy);
            } else if (word == "NEW") {
                args.push_back(PathOf(std::string(c.command) + "-new" + extension));
            } else if (word == "GONE") {
                args.push_back(PathOf("gone"));
            } else {
                args.push_back(word);
            }
        }
        return args;
    }

    // The whole of standard output parses as one document (a second one, or anything after it, fails).
    json OneDocument(const SCliRun& run) {
        try {
            return json::parse(run.out);
        } catch (const json::parse_error& e) {
            ADD_FAILURE() << "not one JSON document: " << e.what() << "\n" << run.out << run.err;
            return {};
        }
    }
};

TEST_F(CliJsonDocuments, EveryCommandPrintsOneDocumentWhetherItSucceedsOrFails) {
    const SJsonCase cases[] = {
        {"search", GW_VOSK, {"search"}, 0, {"--port", "GONE", "search"}, 1},
        {"read", GW_VOSK, {"read", "NEW"}, 0, {"--port", "GONE", "read", "NEW"}, 1},
        {"write", GW_VOSK, {"write", "FILE"}, 0, {"write", "GONE"}, 1},
        {"check", GW_VOSK, {"check", "FILE"}, 0, {"check", "GONE"}, 1},
        {"show", GW_VOSK, {"show", "FILE"}, 0, {"show", "GONE"}, 1},
        {"time", GW_VOSK, {"time"}, 0, {"--port", "GONE", "time"}, 1},
        {"registers", GW_VOSK, {"registers"}, 0, {"--port", "GONE", "registers"}, 1},
        {"axes", GW_KAVELIS, {"--extended", "axes"}, 0, {"--extended", "--port", "GONE", "axes"}, 1},
        {"alarms", GW_VOSK, {"alarms"}, 0, {"--port", "GONE", "alarms"}, 1},
        {"counters", GW_VOSK, {"counters"}, 0, {"--port", "GONE", "counters"}, 1},
        {"hardware", GW_VOSK, {"--extended", "hardware"}, 0, {"--extended", "--port", "GONE", "hardware"}, 1},
        {"options", GW_VOSK, {"options", "FILE"}, 0, {"options", "GONE"}, 1},
        {"edit", GW_VOSK, {"edit", "FILE", "--unit-number", "1"}, 0, {"edit", "GONE", "--unit-number", "1"}, 1},
        {"driver", GW_DRAVO, {"--extended", "driver"}, 0, {"--extended", "--port", "GONE", "driver"}, 1},
        {"diff", GW_VOSK, {"diff", "FILE", "FILE"}, 0, {"diff", "GONE"}, 2},
        {"doctor", GW_VOSK, {"doctor"}, 0, {"--port", "GONE", "doctor"}, 1},
        {"usage", GW_VOSK, {"search"}, 0, {"search", "--no-such-option"}, 2},
    };
    for (const SJsonCase& c : cases) {
        SCOPED_TRACE(c.command);
        Serve(SimOf(c.type));
        const SCliRun success = Cli(c.type, Words(c, c.success));
        EXPECT_EQ(success.status, c.successStatus) << success.err;
        const json done = OneDocument(success);
        EXPECT_TRUE(done.is_object() && !done.contains("error")) << success.out;

        const SCliRun failure = Cli(c.type, Words(c, c.failure));
        EXPECT_EQ(failure.status, c.failureStatus) << failure.err;
        const json failed = OneDocument(failure);
        // doctor's verdict document and diff's are their own; every other failure is the error document.
        if (std::string(c.command) == "doctor") {
            EXPECT_EQ(failed.value("verdict", ""), "no-device") << failure.out;
            continue;
        }
        ASSERT_TRUE(failed.contains("error")) << failure.out;
        EXPECT_EQ(failed["error"]["exit"], c.failureStatus);
        EXPECT_FALSE(failed["error"]["message"].get<std::string>().empty()) << failure.out;
        EXPECT_TRUE(failed["error"]["details"].is_array());
    }
}

}  // namespace
