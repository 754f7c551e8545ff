#include "history/commit_together.h"

#include <cstdio>
#include <set>

#include "base/log_file.h"
#include "history/answer_journal.h"
#include "text/durable_file.h"

namespace {

void sync_directories(const std::vector<std::string>& targets) {
  std::set<std::string> dirs;
  for (const std::string& target : targets) dirs.insert(directory_of(target));
  for (const std::string& dir : dirs) sync_directory(dir);
}

}  // namespace

std::optional<std::string> commit_together(
    const std::vector<std::unique_ptr<Staged_rewrite>>& rewrites, Answer_journal& journal) {
  std::vector<Journal_line> note;
  std::vector<std::string> targets;
  for (const auto& rewrite : rewrites) {
    if (!rewrite->stage()) {
      const std::string failed = rewrite->target();
      for (const auto& r : rewrites) r->abandon();
      return failed;
    }
    if (rewrite->copy_suffix().empty()) continue;
    Journal_line staged = journal_line_now(Journal_event::staged);
    staged.suffix = rewrite->copy_suffix();
    staged.target = rewrite->target();
    note.push_back(staged);
    targets.push_back(rewrite->target());
  }
  if (note.empty()) return std::nullopt;
  Journal_line commit = journal_line_now(Journal_event::commit);
  commit.count = static_cast<int>(note.size());
  note.push_back(commit);
  const bool journaled = journal.append(note);

  std::optional<std::string> failed;
  for (const auto& rewrite : rewrites) {
    if (!rewrite->put_in_place() && !failed) failed = rewrite->target();
    rewrite->abandon();
  }
  sync_directories(targets);
  if (journaled) journal.append(journal_line_now(Journal_event::committed));
  return failed;
}

void complete_unfinished_commit(Answer_journal& journal, LogFile& log) {
  const std::optional<std::vector<Journal_line>> files = unfinished_commit(journal.path());
  if (!files) return;
  std::vector<std::string> targets;
  for (const Journal_line& file : *files) {
    const std::string copy = file.target + file.suffix;
    if (std::rename(copy.c_str(), file.target.c_str()) != 0) continue;
    log.write("recording completed: %s put in place \n", file.target.c_str());
    targets.push_back(file.target);
  }
  sync_directories(targets);
  journal.append(journal_line_now(Journal_event::committed));
}
