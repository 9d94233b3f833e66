#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The local paths named by a text/uri-list payload (as a drop carries it), in
// their order. Lines end at LF or CR LF; empty lines and "#" comment lines are
// skipped. Only file URIs of this machine count (no host or "localhost");
// others are ignored. Percent escapes become the bytes they stand for, so a
// name that is not UTF-8 comes out with its own bytes. A file URI has no query
// or fragment here: "?" and "#" stay part of the path.
std::vector<std::string> LocalPathsFromUriList(std::string_view payload);

} // namespace platform
