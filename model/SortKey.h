#pragma once

// What a list of entries is ordered by. The values are the codes the settings
// store (the selection list's SortMode holds Name to Attributes, one per column).
enum class SortKey : int {
    Name = 0,
    Size = 1,
    Type = 2,
    Time = 3,
    Attributes = 4,
    FullPath = 50,
    None = 99, // every entry keeps its place
};
