// Splitting paths. A backslash counts as a separator wherever a path is split
// and is written as "/" in the results. Empty input gives no result.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Directory part, up to and including the last separator, with "./" in front
// of a relative path; "./" when there is none.
std::optional<std::string> PATH_FROM_STRING(std::string_view path);

// The characters after the last separator.
std::optional<std::string> FILE_NAME_FROM_STRING(std::string_view path);

// "&/" followed by the characters after the last "/" (lesson-list word).
std::optional<std::string> RM_PATH_FROM_STRING(std::string_view path);
