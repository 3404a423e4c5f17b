#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "archive/atomic_file.h"

namespace korva::test {

// A fresh folder for each test, removed afterwards.
class AppTempDir : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::temp_directory_path() /
              ("korva-app-" + std::to_string(::getpid()) + "-" + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    static void writeBytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes) {
        std::filesystem::create_directories(p.parent_path());
        ASSERT_TRUE(writeFileAtomically(p, bytes));
    }
    static std::vector<std::uint8_t> bytesOf(const std::filesystem::path& p) {
        auto b = readWholeFile(p);
        return b ? *b : std::vector<std::uint8_t>{};
    }

    std::filesystem::path dir;
};

} // namespace korva::test
