#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace testing_support {

TempDir::TempDir() : TempDir(fs::temp_directory_path().string()) {}

TempDir::TempDir(const std::string &parent)
{
    std::string pattern = (fs::path(parent) / "kestrel-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code ec;
    // Read-only entries must not keep the folder alive.
    for (auto it = fs::recursive_directory_iterator(m_path, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_path, ec);
}

std::string TempDir::file(const std::string &name) const
{
    return m_path + "/" + name;
}

std::string TempDir::write(const std::string &name, const std::string &content) const
{
    const std::string p = file(name);
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << content;
    return p;
}

std::string TempDir::mkdir(const std::string &name) const
{
    const std::string p = file(name);
    fs::create_directories(p);
    return p;
}

std::string ReadFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool Exists(const std::string &path)
{
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

namespace {
void Remember(const char *name, std::string &old, bool &had)
{
    const char *v = std::getenv(name);
    had = v != nullptr;
    if (had)
        old = v;
}
void Restore(const char *name, const std::string &old, bool had)
{
    if (had)
        setenv(name, old.c_str(), 1);
    else
        unsetenv(name);
}
} // namespace

IsolatedUserDirs::IsolatedUserDirs()
{
    Remember("XDG_CONFIG_HOME", m_oldConfig, m_hadConfig);
    Remember("XDG_STATE_HOME", m_oldState, m_hadState);
    Remember("XDG_DATA_HOME", m_oldData, m_hadData);
    Remember("HOME", m_oldHome, m_hadHome);
    setenv("XDG_CONFIG_HOME", configHome().c_str(), 1);
    setenv("XDG_STATE_HOME", stateHome().c_str(), 1);
    setenv("XDG_DATA_HOME", dataHome().c_str(), 1);
    setenv("HOME", m_dir.path().c_str(), 1);
}

IsolatedUserDirs::~IsolatedUserDirs()
{
    Restore("XDG_CONFIG_HOME", m_oldConfig, m_hadConfig);
    Restore("XDG_STATE_HOME", m_oldState, m_hadState);
    Restore("XDG_DATA_HOME", m_oldData, m_hadData);
    Restore("HOME", m_oldHome, m_hadHome);
}

} // namespace testing_support
