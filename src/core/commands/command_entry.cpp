#include "commands/command_entry.h"

#include <optional>

#include "base/book.h"
#include "base/log_file.h"
#include "base/screen.h"
#include "base/trace.h"
#include "commands/answer_stats.h"
#include "commands/base_reports.h"
#include "commands/entry_command.h"
#include "commands/generators.h"
#include "commands/help_display.h"
#include "commands/lesson_number.h"
#include "commands/listings.h"
#include "drill/trf_posit.h"
#include "history/maintenance.h"
#include "session/announce.h"
#include "session/navigation.h"
#include "session/pane_text.h"
#include "session/session.h"
#include "session/toggles.h"
#include "text/encoding.h"

namespace {

// Announcement codes of CONFIRM0_NEW_LESSON.
constexpr int kNoWord = 1;
constexpr int kBaseDone = 2;
constexpr int kDictionaryDone = 3;
constexpr int kUnknown = 4;

// Warnings for a listing whose file could not be written (the cause is in
// the log).
constexpr const char* kTagFileFailed =
    "The tag list could not be written to file ./pimlo_ltag.\nLook at file pimlo_log for "
    "details.\n";
constexpr const char* kDictionaryFailed =
    "The dictionary could not be written to file ./pimlo_dico.\nLook at file pimlo_log for "
    "details.\n";

void warn(Trf_book& book, const char* text) {
  book.screen.warn(text);
}

// The lesson to go back to after a command that does not open one: the
// lesson left, or lesson 1 instead of the generated lesson.
int lesson_to_go_back(int ilesson_left) {
  return ilesson_left == 0 ? 1 : ilesson_left;
}

void set_sound(Sound_request request, Trf_book& book) {
  const bool on =
      request == Sound_request::on || (request == Sound_request::toggle && book.sound != 1);
  book.sound = on ? 1 : 0;
  book.screen.set_sound_label(on ? kSoundOnLabel : kSoundOffLabel);
}

// A direction argument changes the drill's direction before the generator
// runs, and it stays changed whatever the generator finds.
void set_direction(int sens_qr, Trf_book& book) {
  if (sens_qr == 0 || sens_qr == book.sens_qr) return;
  book.sens_qr = sens_qr;
  book.screen.set_sense_label(sense_label(sens_qr));
}

// A generator has filled the drill table: its words become lesson 0, or,
// when it found none, the lesson left is announced again.
void after_generator(int ilesson_left, Session& session, Trf_book& book) {
  release_lesson_files(session);
  book.start_lesson = kNoLessonAnnounced;
  if (book.t_posit.nb_posit < 1) {
    book.ilesson = lesson_to_go_back(ilesson_left);
    CONFIRM0_NEW_LESSON(kNoWord, session, book);
  } else {
    book.ilesson = 0;
    CONFIRM0_LESSON(session, book);
  }
}

// After a command that reports its result: the result, then the lesson left.
void after_maintenance(int code, int ilesson_left, Session& session, Trf_book& book) {
  book.start_lesson = kNoLessonAnnounced;
  book.ilesson = lesson_to_go_back(ilesson_left);
  CONFIRM0_NEW_LESSON(code, session, book);
}

// After a listing: the drill pane keeps it; the lesson left, the generated
// one included, is announced at the next press of the drill button.
void after_listing(int ilesson_left, Session& session, Trf_book& book) {
  book.ilesson = ilesson_left;
  book.start_lesson = kNoLessonAnnounced;
  release_lesson_files(session);
}

// Announces lesson `num` afresh.
void select_lesson_number(int num, Session& session, Trf_book& book) {
  release_lesson_files(session);
  book.start_lesson = kNoLessonAnnounced;
  book.ilesson = num;
  CONFIRM0_LESSON(session, book);
}

// The lesson `ss` names; nothing (no text) names none.
void select_lesson(const std::optional<std::string>& ss, int ilesson_left, Session& session,
                   Trf_book& book) {
  const int num = ss ? EXTRACT_NB_FIRST_FIELD(*ss, book) : -1;
  if (num > book.nbt_lesson) {
    select_lesson_number(1, session, book);
  } else if (num >= 1) {
    select_lesson_number(num, session, book);
  } else {
    release_lesson_files(session);
    book.start_lesson = kNoLessonAnnounced;
    book.ilesson = lesson_to_go_back(ilesson_left);
    CONFIRM0_NEW_LESSON(kUnknown, session, book);
  }
}

void run_generator(const Entry_command& c, Trf_book& book) {
  set_direction(c.sens_qr, book);
  switch (c.action) {
    case Entry_action::new_words:
      NEW_WORDS_LESSON(book);
      break;
    case Entry_action::balance:
      BALANCE_WORDS(book);
      break;
    case Entry_action::worst_words:
      WORST_WORDS_LESSON(c.code_worst, book);
      break;
    case Entry_action::new_tag:
      NEW_TAG_LESSON(c.ss_tag, book);
      break;
    case Entry_action::worst_tag:
      WORST_TAG_LESSON(c.ss_tag, book);
      break;
    default:
      break;
  }
}

// "!ccdb": every lesson named, or the whole data base, checked; then one
// box says what was found.
void check_base(const Entry_command& c, int ilesson_left, Session& session, Trf_book& book) {
  Base_report report;
  if (c.words.empty()) {
    report = CHECK_CORR_ALL_DBASE(book);
  } else {
    for (const std::string& word : c.words) {
      Base_report one = CHECK_CORR_SNG_DBASE(word, book);
      report.rewritten.insert(report.rewritten.end(), one.rewritten.begin(), one.rewritten.end());
      report.unknown.insert(report.unknown.end(), one.unknown.begin(), one.unknown.end());
    }
  }
  after_maintenance(kBaseDone, ilesson_left, session, book);
  tell_check_report(report, c.words.empty(), book);
}

void synchro_base(const Entry_command& c, int ilesson_left, Session& session, Trf_book& book) {
  const std::string directory = c.words.empty() ? "" : synchro_directory(c.words.front());
  if (directory.empty()) {
    after_maintenance(kBaseDone, ilesson_left, session, book);
    return;
  }
  const Base_report report = SYNCHRO_ALL_DBASE(c.words.front(), book);
  after_maintenance(kBaseDone, ilesson_left, session, book);
  tell_synchro_report(report, directory, book);
}

// "!trf": "DONE" only when every history file was transferred without
// fault; otherwise the pane names the others, and the lesson left is
// announced at the next press of the drill button.
void transfer_base(int ilesson_left, Session& session, Trf_book& book) {
  const Transfer_report report = TRF_ALL_DBASE(book);
  if (report.all_done()) {
    after_maintenance(kBaseDone, ilesson_left, session, book);
    return;
  }
  release_lesson_files(session);
  book.ilesson = lesson_to_go_back(ilesson_left);
  book.start_lesson = kNoLessonAnnounced;
  show_transfer_faults(report, book);
}

void run_command(const Entry_command& c, const std::string& ss, int ilesson_left, Session& session,
                 Trf_book& book) {
  switch (c.action) {
    case Entry_action::new_words:
    case Entry_action::balance:
    case Entry_action::worst_words:
    case Entry_action::new_tag:
    case Entry_action::worst_tag:
      run_generator(c, book);
      after_generator(ilesson_left, session, book);
      break;
    case Entry_action::tag_census:
      if (!DICO_TAGS(book)) warn(book, kTagFileFailed);
      after_listing(ilesson_left, session, book);
      break;
    case Entry_action::help:
      DISPLAY_HELP(book);
      after_listing(ilesson_left, session, book);
      break;
    case Entry_action::statistics:
      SHOW_STATS(book);
      after_listing(ilesson_left, session, book);
      break;
    case Entry_action::dictionary:
      if (PIMLO_DICO(book)) {
        release_lesson_files(session);
        after_maintenance(kDictionaryDone, ilesson_left, session, book);
      } else {
        // Not "DONE": the failure is told and the lesson left announced.
        warn(book, kDictionaryFailed);
        select_lesson_number(lesson_to_go_back(ilesson_left), session, book);
      }
      break;
    case Entry_action::check_base:
      check_base(c, ilesson_left, session, book);
      break;
    case Entry_action::transfer_base:
      transfer_base(ilesson_left, session, book);
      break;
    case Entry_action::synchro_base:
      synchro_base(c, ilesson_left, session, book);
      break;
    case Entry_action::lesson:
      select_lesson(ss, ilesson_left, session, book);
      break;
  }
}

}  // namespace

void callback_entry_book(const std::string& utf8_text, Session& session, Trf_book& book) {
  trace("enter callback_entry_book level 1 \n");
  const int ilesson_left = book.ilesson;

  const std::optional<std::string> ss = utf8_to_cp1252(utf8_text);
  if (!ss) {
    book.fp_log.write("callback_entry_book text cannot be converted to CP1252 \n");
  } else if (const Sound_request sound = sound_command(*ss); sound != Sound_request::none) {
    // The sound switch leaves the lesson and its drill alone.
    set_sound(sound, book);
    return;
  }

  // "Not now" to the record question: the drill goes on, the text is not
  // acted on.
  if (!leave_lesson(session, book)) return;
  // The drill is left, maybe at an answer: the drill button takes its
  // question label back (an announcement after a command result, and a
  // listing, leave the button alone).
  book.screen.set_drill_button(kQuestionLabel, kYellowStyle);
  trace("callback_entry_book level 2 \n");

  if (!ss) {
    select_lesson(std::nullopt, ilesson_left, session, book);
    return;
  }
  run_command(parse_entry_command(*ss), *ss, ilesson_left, session, book);
}
