#include "cli/CommandLine.h"

#include <clocale>

int main(int argc, char **argv)
{
    std::setlocale(LC_ALL, "");
    return cli::RunCommandLine(std::vector<std::string>(argv + 1, argv + argc));
}
