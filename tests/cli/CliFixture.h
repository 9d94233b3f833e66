#pragma once

#include "CliRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace cli_test {

// A private working directory and private settings and state folders for
// each test; the program runs inside the working directory.
class CliTest : public ::testing::Test {
protected:
    CliResult Run(const std::vector<std::string> &arguments, const std::string &input = {}) const
    {
        return RunCli(arguments, dir.path(), input);
    }
    std::vector<std::string> Names() const { return ListNames(dir.path()); }

    testing_support::IsolatedUserDirs userDirs;
    testing_support::TempDir dir;
};

} // namespace cli_test
