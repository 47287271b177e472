#pragma once
// Splitting a parameter string into arguments, without any interpreter.

#include <string>
#include <vector>

namespace shell {

// Arguments separated by blanks; a double-quoted stretch keeps its blanks and loses its
// quotes; a backslash before a double quote makes the quote literal.
std::vector<std::string> SplitParameters(const std::string& parameters);

} // namespace shell
