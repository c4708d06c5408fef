#include "core/cli/cli_app.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace orv::cli {
namespace {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

Outcome Convert(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    std::vector<std::string> all{"convert"};
    all.insert(all.end(), args.begin(), args.end());
    const int code = RunCli(all, Streams{in, out, err});
    return {code, out.str(), err.str()};
}

class ConvertCommand : public testing::Test {
  protected:
    void SetUp() override {
        path_ = (std::filesystem::temp_directory_path() /
                 ("orv_convert_" + std::to_string(::getpid()) + ".cmd"))
                    .string();
    }
    void TearDown() override { std::filesystem::remove(path_); }
    void WriteMove(const std::string& bytes) const {
        std::ofstream(path_, std::ios::binary) << bytes;
    }

    std::string path_;
};

TEST_F(ConvertCommand, PrintsTheListInEitherForm) {
    WriteMove("Subject: turn 12\r\nBEGIN\r\nsea 20 5 sh at e\r\nEND\r\nHello\r\n");
    const Outcome natural = Convert({path_});
    EXPECT_EQ(natural.code, ExitDone);
    EXPECT_EQ(natural.out, "BEGIN\nMove through sea with all Ships from province 20 / 5 to east \n"
                           "END\nSend message(s):\nHello\n");
    EXPECT_EQ(natural.err, "");
    EXPECT_EQ(Convert({"--to", "natural", path_}).out, natural.out);

    const Outcome raw = Convert({"--to", "raw", path_});
    EXPECT_EQ(raw.code, ExitDone);
    EXPECT_EQ(raw.out, "BEGIN\nSEA 20 5 SH AT E\nEND\nHello\n");
    EXPECT_EQ(Convert({path_, "--to", "raw"}).out, raw.out);
}

TEST_F(ConvertCommand, StandardInputIsReadLikeTheClipboard) {
    const Outcome ok = Convert({"--to", "raw", "-"}, "BEGIN\rraid 1 2 at n\r\nEND");
    EXPECT_EQ(ok.out, "BEGIN\nRAID 1 2 AT N\nEND\n");
    // No search for BEGIN: a leading header line is an unknown order.
    const Outcome r = Convert({"-"}, "noise\nBEGIN\nEND");
    EXPECT_EQ(r.code, ExitFailure);
    EXPECT_EQ(r.err, "Error in file: unrecognized command in line\nnoise\n");
}

TEST_F(ConvertCommand, EditorMessagesEndTheWork) {
    WriteMove("LAND 1 2 AT N\r\n");
    const Outcome noBegin = Convert({path_});
    EXPECT_EQ(noBegin.code, ExitFailure);
    EXPECT_EQ(noBegin.out, "");
    EXPECT_EQ(noBegin.err, "Error in file: no BEGIN found!\n");

    WriteMove("BEGIN\r\nhello world\r\nEND\r\n");
    const Outcome refused = Convert({path_});
    EXPECT_EQ(refused.code, ExitFailure);
    EXPECT_EQ(refused.err, "Error in file: unrecognized command in line\nhello world\n");

    const Outcome missing = Convert({path_ + ".none"});
    EXPECT_EQ(missing.code, ExitFailure);
    EXPECT_EQ(missing.err, "File " + path_ + ".none not found!\n");
}

TEST_F(ConvertCommand, BadArgumentsGiveUsage) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{},
                                               {"--to"},
                                               {"--to", "latin", "x"},
                                               {"--to", "raw"},
                                               {"a", "b"},
                                               {"--form", "raw", "x"}}) {
        const Outcome r = Convert(args);
        EXPECT_EQ(r.code, ExitFailure);
        EXPECT_NE(r.err.find("usage:"), std::string::npos);
        EXPECT_EQ(r.out, "");
    }
}

} // namespace
} // namespace orv::cli
