// A Screen for tests: records what the program shows and answers the
// dialogs from queues filled by the test. Every call is kept in `calls`, in
// order, as its method name, so a test can check what was shown and when.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "base/screen.h"

class FakeScreen final : public Screen {
 public:
  // Drill pane.
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
  void set_drill_sensitive(bool sensitive) override {
    log("set_drill_sensitive");
    drill_sensitive = sensitive;
  }
  void set_sense_label(const std::string& label) override {
    log("set_sense_label");
    sense_label = label;
  }
  void set_sound_label(const std::string& label) override {
    log("set_sound_label");
    sound_label = label;
  }

  // Dialogs: the question is recorded; the answer is the next queued one,
  // or the default when the queue is empty.
  RecordAnswer ask_record(const std::string& text, bool offer_reset) override {
    log("ask_record");
    questions.push_back(text);
    reset_offered.push_back(offer_reset);
    if (record_answers.empty()) return default_record_answer;
    const RecordAnswer answer = record_answers.front();
    record_answers.pop_front();
    return answer;
  }
  bool ask_yes_no(const std::string& text) override {
    log("ask_yes_no");
    questions.push_back(text);
    if (yes_no_answers.empty()) return default_yes_no_answer;
    const bool answer = yes_no_answers.front();
    yes_no_answers.pop_front();
    return answer;
  }
  void warn(const std::string& text) override {
    log("warn");
    warnings.push_back(text);
  }
  void inform(const std::string& text) override {
    log("inform");
    informations.push_back(text);
  }

  // Lesson text view.
  void clear_text() override {
    log("clear_text");
    text.clear();
    text_buttons.clear();
    text_view.clear();
  }
  void append_text(const std::string& more) override {
    log("append_text");
    text += more;
    text_view += more;
  }
  void add_text_button(const std::string& label, int tag) override {
    log("add_text_button");
    text_buttons.push_back({label, tag});
    text_view += "[" + label + "]";
  }
  void add_known_text_button(const std::string& label, int tag) override {
    log("add_known_text_button");
    text_buttons.push_back({label, tag, true});
    text_view += "{" + label + "}";
  }

  void run_pending_events() override { ++pending_event_runs; }
  Window_geometry geometry() const override { return geometry_shown; }

  Window_geometry geometry_shown;

  struct TextButton {
    std::string label;
    int tag = 0;
    bool known = false;  // shown in the style of a button with a sound
  };

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
  std::string text;
  // The text with each button in its place: "[label]", or "{label}" for a
  // known button.
  std::string text_view;
  std::vector<TextButton> text_buttons;
  int pending_event_runs = 0;
  std::vector<std::string> calls;

  // Answers to give.
  std::deque<RecordAnswer> record_answers;
  std::deque<bool> yes_no_answers;
  RecordAnswer default_record_answer = RecordAnswer::No;
  bool default_yes_no_answer = false;

 private:
  void log(const char* call) { calls.emplace_back(call); }
};
