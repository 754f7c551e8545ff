// A screen that shows nothing: the program's screen until the window exists,
// and the screen of the fuzz targets and the benchmark. Every question is
// declined (No), so that nothing is recorded or reset on its behalf.
#pragma once

#include "base/screen.h"

class Null_screen final : public Screen {
 public:
  void append_line(const std::string&) override {}
  void clear_lines() override {}
  void set_drill_button(const std::string&, const std::string&) override {}
  void set_drill_sensitive(bool) override {}
  void set_sense_label(const std::string&) override {}
  void set_sound_label(const std::string&) override {}
  RecordAnswer ask_record(const std::string&, bool) override { return RecordAnswer::No; }
  bool ask_yes_no(const std::string&) override { return false; }
  void warn(const std::string&) override {}
  void inform(const std::string&) override {}
  void clear_text() override {}
  void append_text(const std::string&) override {}
  void add_text_button(const std::string&, int) override {}
  void run_pending_events() override {}
  Window_geometry geometry() const override { return {}; }
};
