// The program's screen: it passes every call on to the screen it is shown
// on, which is one that shows nothing until the window exists. The book
// holds the relay, so its screen is never missing and never changes.
#pragma once

#include "base/null_screen.h"

class Screen_relay final : public Screen {
 public:
  Screen_relay() = default;
  Screen_relay(const Screen_relay&) = delete;
  Screen_relay& operator=(const Screen_relay&) = delete;

  // From now on everything goes to `screen`, which must outlive the relay
  // or be replaced before it goes.
  void show_on(Screen& screen) { to_ = &screen; }

  void append_line(const std::string& text) override { to_->append_line(text); }
  void clear_lines() override { to_->clear_lines(); }
  void set_drill_button(const std::string& label, const std::string& style) override {
    to_->set_drill_button(label, style);
  }
  void set_drill_sensitive(bool sensitive) override { to_->set_drill_sensitive(sensitive); }
  void set_sense_label(const std::string& label) override { to_->set_sense_label(label); }
  void set_sound_label(const std::string& label) override { to_->set_sound_label(label); }
  RecordAnswer ask_record(const std::string& text, bool offer_reset) override {
    return to_->ask_record(text, offer_reset);
  }
  bool ask_yes_no(const std::string& text) override { return to_->ask_yes_no(text); }
  void warn(const std::string& text) override { to_->warn(text); }
  void inform(const std::string& text) override { to_->inform(text); }
  void clear_text() override { to_->clear_text(); }
  void append_text(const std::string& text) override { to_->append_text(text); }
  void add_text_button(const std::string& label, int tag) override {
    to_->add_text_button(label, tag);
  }
  void add_known_text_button(const std::string& label, int tag) override {
    to_->add_known_text_button(label, tag);
  }
  void add_text_plot(const std::vector<Day_answers>& days) override { to_->add_text_plot(days); }
  void run_pending_events() override { to_->run_pending_events(); }
  Window_geometry geometry() const override { return to_->geometry(); }

 private:
  Null_screen none_;
  Screen* to_ = &none_;
};
