#pragma once
// What a second start and the running copy say to each other: one line
// each way. Anything else on the connection is refused.

namespace ShowProtocol {

inline constexpr char Request[] = "show\n";
inline constexpr char Answer[] = "shown\n";
// Longest line either side accepts; more unanswered bytes end the connection.
inline constexpr int MaxLine = 64;

} // namespace ShowProtocol
