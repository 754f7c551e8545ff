// A Screen for tests: records what the program shows and answers the
// dialogs from queues filled by the test (No and false once a queue is
// empty). The calls that fill or clear the drill pane, clear the text view,
// set the drill button or ask the record question are kept in `calls`, in
// order, as their method names.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "base/screen.h"

class FakeScreen final : public Screen {
 public:
  void append_line(const std::string& text) override {
    log("append_line");
    lines.push_back(text);
  }
  void clear_lines() override {
    log("clear_lines");
    lines.clear();
  }
  void set_drill_button(const std::string& label, const std::string& style_name) override {
    log("set_drill_button");
    drill_label = label;
    drill_style = style_name;
  }
  void set_drill_sensitive(bool sensitive) override { drill_sensitive = sensitive; }
  void set_sense_label(const std::string& label) override { sense_label = label; }
  void set_sound_label(const std::string& label) override { sound_label = label; }

  RecordAnswer ask_record(const std::string& text, bool offer_reset) override {
    log("ask_record");
    questions.push_back(text);
    reset_offered.push_back(offer_reset);
    return next(record_answers, RecordAnswer::No);
  }
  bool ask_yes_no(const std::string& text) override {
    questions.push_back(text);
    return next(yes_no_answers, false);
  }
  void warn(const std::string& text) override { warnings.push_back(text); }
  void inform(const std::string& text) override { informations.push_back(text); }

  void clear_text() override {
    log("clear_text");
    text_view.clear();
  }
  void append_text(const std::string& more) override { text_view += more; }
  void add_text_button(const std::string& label, int) override { text_view += "[" + label + "]"; }
  void add_known_text_button(const std::string& label, int) override {
    text_view += "{" + label + "}";
  }

  void add_text_plot(const std::vector<Day_answers>& days) override { plots.push_back(days); }

  void run_pending_events() override {}
  Window_geometry geometry() const override { return geometry_shown; }

  // What was shown.
  std::vector<std::string> lines;
  std::string drill_label;
  std::string drill_style;
  bool drill_sensitive = true;
  std::string sense_label;
  std::string sound_label;
  std::vector<std::string> questions;
  std::vector<bool> reset_offered;  // one per record question: "RAZ ?" among its answers
  std::vector<std::string> warnings;
  std::vector<std::string> informations;
  // The lesson text with each button in its place: "[label]", or "{label}"
  // for a button with a sound.
  std::string text_view;
  std::vector<std::vector<Day_answers>> plots;
  std::vector<std::string> calls;

  // Answers to give, and the window's place.
  std::deque<RecordAnswer> record_answers;
  std::deque<bool> yes_no_answers;
  Window_geometry geometry_shown;

 private:
  void log(const char* call) { calls.emplace_back(call); }
  template <typename T>
  static T next(std::deque<T>& queue, T otherwise) {
    if (queue.empty()) return otherwise;
    const T answer = queue.front();
    queue.pop_front();
    return answer;
  }
};
