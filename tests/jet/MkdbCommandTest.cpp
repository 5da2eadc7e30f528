// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// The tavrin-mkdb command: exit status, messages and what it leaves behind.

#include "MdbReadBack.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <unistd.h>

namespace tavrin {
namespace {

namespace fs = std::filesystem;

class MkdbCommand : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("mkdb-" + std::to_string(getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string csv(const std::string& text) {
        const fs::path path = dir_ / "in.csv";
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }
    test::CommandResult mkdb(const std::string& options, const std::string& in) {
        return test::runCommand(std::string("'") + TAVRIN_MKDB + "' " + options + " '" + in +
                                "' '" + out() + "'");
    }
    std::string out() const { return (dir_ / "out.mdb").string(); }

    fs::path dir_;
};

TEST_F(MkdbCommand, WritesJet4ByDefaultAndJet3OnRequest) {
    const std::string in = csv("Ha-05k,Db-10k:double\nｴﾙﾎﾞ,1.5\n単位：mm,\n");
    for (const auto& [option, version] :
         {std::pair{"", "JET4\n"}, std::pair{"--jet4", "JET4\n"}, std::pair{"--jet3", "JET3\n"}}) {
        const auto result = mkdb(option, in);
        ASSERT_EQ(result.status, 0) << result.output;
        EXPECT_EQ(test::runCommand("mdb-ver '" + out() + "'").output, version);
        EXPECT_EQ(test::runCommand("mdb-export '" + out() + "' Kelvor").output,
                  "Ha-05k,Db-10k\n\"ｴﾙﾎﾞ\",1.5\n\"単位：mm\",\n");
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2)
        << "temporary files left behind";
}

TEST_F(MkdbCommand, BadCsvNamesTheLineAndLeavesNoFile) {
    const auto result = mkdb("--jet3", csv("A,B:long\n1,2\n3,x\n"));
    EXPECT_NE(result.status, 0);
    EXPECT_NE(result.errors.find("line 3: column \"B\": \"x\" is not a valid Long number"),
              std::string::npos)
        << result.errors;
    EXPECT_FALSE(fs::exists(out()));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

// A failed run never destroys what was at OUT before.
TEST_F(MkdbCommand, FailureLeavesAnExistingOutByteForByte) {
    const std::string older("an older database\0\xff\r\n", 22);
    const struct {
        const char* what;
        const char* options;
        const char* csv;
    } cases[] = {
        {"bad number", "--jet4", "A,B:long\n1,2\n3,x\n"},
        {"unclosed quote", "", "A\n\"open\n"},
        {"text outside code page 932", "--jet3", "A\n\xf0\x9f\x98\x80\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::ofstream(out(), std::ios::binary | std::ios::trunc) << older;
        const auto result = mkdb(c.options, csv(c.csv));
        EXPECT_EQ(result.status, 1) << result.errors;
        std::ifstream kept(out(), std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), older);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2)
            << "temporary files left behind";
    }
}

TEST_F(MkdbCommand, UsageErrors) {
    EXPECT_NE(test::runCommand(std::string("'") + TAVRIN_MKDB + "'").status, 0);
    EXPECT_NE(mkdb("--jet5", csv("A\n1\n")).status, 0);
    EXPECT_NE(
        test::runCommand(std::string("'") + TAVRIN_MKDB + "' /nonexistent.csv '" + out() + "'")
            .status,
        0);
    EXPECT_FALSE(fs::exists(out()));
}

} // namespace
} // namespace tavrin
