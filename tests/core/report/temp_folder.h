#pragma once
// A fresh folder per test for reports, moves and settings files, removed afterwards. A folder a
// test makes read-only stays empty, so it goes too.

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace orv::report::fixtures {

class TempFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        static int counter = 0;
        dir = std::filesystem::temp_directory_path() /
              ("orv_test_" + std::to_string(getpid()) + "_" + std::to_string(++counter));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }

    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }

    // Creates a file holding exactly the given bytes and returns its full path.
    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::string path = (dir / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::string Touch(const std::string& name) const { return Write(name, "x"); }

    std::filesystem::path dir;
};

} // namespace orv::report::fixtures
