#pragma once

#include <functional>
#include <string>
#include <vector>

// Copying or moving chosen entries (files and folders, folders with all they
// hold) into a target folder. An existing entry is never replaced without the
// conflict callback saying so.
namespace exec {

enum class TransferKind { Copy, Move };
enum class ConflictAnswer { Replace, Skip, CancelRest };

struct TransferFailure {
    std::string path; // the source entry that could not be copied or moved
    int error = 0;    // errno value or platform::kErrorTargetExists
};

struct TransferResult {
    std::vector<TransferFailure> failures;
    bool cancelled = false;
};

struct TransferCallbacks {
    // Asked for each target that already exists; without it nothing is replaced.
    std::function<ConflictAnswer(const std::string &target)> onConflict;
    // After each chosen entry: how many are done out of how many.
    std::function<void(int done, int total)> onProgress;
};

TransferResult TransferEntries(const std::vector<std::string> &sources, const std::string &targetFolder,
                               TransferKind kind, const TransferCallbacks &callbacks);

} // namespace exec
