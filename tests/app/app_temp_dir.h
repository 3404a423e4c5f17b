#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "archive/atomic_file.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/temp_root.h"

namespace korva::test {

// A fresh folder for each test, removed afterwards, and a scripted platform.
class AppTempDir : public ScriptedTest {
protected:
    static void writeBytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes) {
        std::filesystem::create_directories(p.parent_path());
        ASSERT_TRUE(writeFileAtomically(p, bytes));
    }
    static std::vector<std::uint8_t> bytesOf(const std::filesystem::path& p) {
        auto b = readWholeFile(p);
        return b ? *b : std::vector<std::uint8_t>{};
    }

    TempRoot temp{TempRoot::empty, "korva-app"};
    std::filesystem::path dir = temp.root();
};

} // namespace korva::test
