#pragma once

#include <string>

namespace testing_support {

// A fresh directory under the system's temporary folder, removed with
// everything in it when the object goes out of scope.
class TempDir {
public:
    TempDir();
    // The same below parent (another file system, for instance).
    explicit TempDir(const std::string &parent);
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::string &path() const { return m_path; }
    // path() + "/" + name
    std::string file(const std::string &name) const;
    // Creates (or truncates) a file below the directory with the given bytes.
    std::string write(const std::string &name, const std::string &content = {}) const;
    // Creates a subdirectory (and its parents) and returns its path.
    std::string mkdir(const std::string &name) const;

private:
    std::string m_path;
};

// Reads a whole file; returns an empty string when it cannot be read.
std::string ReadFile(const std::string &path);
bool Exists(const std::string &path);

// Points XDG_CONFIG_HOME, XDG_STATE_HOME and XDG_DATA_HOME (and HOME) at a
// private temporary folder for the lifetime of the object, so a test never
// touches the user's real settings, journals or trash.
class IsolatedUserDirs {
public:
    IsolatedUserDirs();
    ~IsolatedUserDirs();
    const std::string &root() const { return m_dir.path(); }
    std::string configHome() const { return m_dir.path() + "/config"; }
    std::string stateHome() const { return m_dir.path() + "/state"; }
    std::string dataHome() const { return m_dir.path() + "/data"; }

private:
    TempDir m_dir;
    std::string m_oldConfig, m_oldState, m_oldData, m_oldHome;
    bool m_hadConfig = false, m_hadState = false, m_hadData = false, m_hadHome = false;
};

} // namespace testing_support
