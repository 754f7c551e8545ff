#include "app/pimlo.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "app/program.h"
#include "app/quit.h"
#include "app/stop_notice.h"
#include "base/stop.h"
#include "catalogue/aliases.h"
#include "commands/command_entry.h"
#include "drill/drill_tally.h"
#include "session/drill_press.h"
#include "session/lesson_text.h"
#include "session/navigation.h"
#include "session/pane_text.h"
#include "session/sound_buttons.h"
#include "session/toggles.h"
#include "text/encoding.h"

// A fatal stop ends the process with its status, after its message has
// reached standard output and the user has read it in a box over the window.
template <typename Body>
void Pimlo::guarded(Body&& body) noexcept {
  try {
    body();
  } catch (const ProgramStop& stopped) {
    std::fflush(stdout);
    shell_.tell_stop(stop_notice(stopped, true));
    std::exit(stopped.status);
  } catch (const std::exception& error) {
    // Not a stop the program chose: a fault of the program itself.
    std::fflush(stdout);
    std::fprintf(stderr, "pimlo.x: unexpected error: %s\n", error.what());
    std::abort();
  }
}

Drill_press Pimlo::press_drill(int button) {
  Press_result result = Press_result::dropped;
  guarded([&] { result = drill_press(button, program_.session, program_.book); });
  switch (result) {
    case Press_result::done:
      return Drill_press::paused;
    case Press_result::undone:
      return Drill_press::freed;
    case Press_result::dropped:
      break;
  }
  return Drill_press::dropped;
}

void Pimlo::enter_command(const std::string& utf8_text) {
  guarded([&] { callback_entry_book(utf8_text, program_.session, program_.book); });
}

void Pimlo::press_prev() {
  guarded([&] { cback_prev_less(program_.session, program_.book); });
}

void Pimlo::press_next() {
  guarded([&] { cback_next_less(program_.session, program_.book); });
}

void Pimlo::press_sound() {
  guarded([&] { callback_togsound(program_.book); });
}

void Pimlo::press_sense() {
  guarded([&] { callback_togqr(program_.book); });
}

void Pimlo::press_clear_text() {
  guarded([&] { cback_clr_butt(program_.session.text, program_.book); });
}

void Pimlo::press_redraw_text() {
  guarded([&] { cback_redr_butt(program_.session.text, program_.book); });
}

void Pimlo::press_text_button(int tag) {
  guarded([&] { cback_button(tag, program_.session.text, program_.book); });
}

bool Pimlo::quit() {
  bool leave = true;
  guarded([&] { leave = ON_QUIT(program_.session, program_.book); });
  return leave;
}

Status Pimlo::status() const {
  const Trf_book& book = program_.book;
  Status status;
  status.lesson = book.ilesson;
  status.alias = S_ALIAS_FROM_NUM(book.ilesson, book.G_kentel).value_or("");
  status.sense = sense_label(book.sens_qr);
  status.sound = book.sound == 1;
  if (book.start_lesson >= kDrillRunning) {
    status.step = book.state == kAnswerShown ? Drill_step::answer : Drill_step::question;
    status.drill = drill_summary(program_.session.drill.tally, book.t_posit);
  }
  return status;
}

std::string window_text(const std::string& cp1252) {
  return cp1252_to_utf8(cp1252);
}
