// Copies, backups and modification times of the files the program derives
// from the user's lessons.
#pragma once

#include <optional>
#include <string>

// Byte-for-byte copy. Returns 0 when complete, 1 if `source` cannot be read,
// 2 if `destination` cannot be created (or a write fails).
int copier_fichier(const std::string& source, const std::string& destination);

// Copies `file_path` beside itself as "cpy_" + its name and returns that
// path; empty when the copy failed. An older backup is replaced only by a
// complete copy: a failure or a crash leaves it as it was.
std::optional<std::string> back_up_file(const std::string& file_path);

// +1.0 if the derived file was modified later than the origin, 0.0 in the
// same second, -1.0 if earlier or if the derived file does not exist. A
// missing origin is fatal (status 1).
double DIFF_TIME_FILE(const std::string& name_file_origin, const std::string& name_file_derived);

// Compares two asctime() texts field by field: +1.0, 0.0 or -1.0 as the
// first is later than, equal to or earlier than the second. An unknown month
// name is fatal (status 5).
double WINDOWS_DIFFTIME(const std::string& ss_timer, const std::string& ss_timer1);
