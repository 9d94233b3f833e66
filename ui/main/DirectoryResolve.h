#pragma once

#include <optional>
#include <string>
#include <string_view>

// Turning the text of the directory combo into the directory that is listed.

// The held form (no trailing "/", root as "") of a typed directory: relative
// texts are taken from base, "." and empty components are dropped and ".."
// removes the component before it, as a shell's "cd" does.
std::string AbsoluteDirectory(std::string_view typed, std::string_view base);

// Makes the typed directory (or, when it cannot be entered, its nearest
// ancestor that can) the process's current directory and returns it in held
// form. Nothing changes and nothing is returned when not even the root can be
// entered.
std::optional<std::string> EnterDirectory(std::string_view typed, std::string_view base);

// The last component of a held directory ("" for the root).
std::string LastComponent(std::string_view dir);
