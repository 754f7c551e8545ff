// Reading the command entry's text: which command, with which arguments.
#include "commands/entry_command.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Words = std::vector<std::string>;

TEST(Entry_command_test, SoundIsSwitchedOnOrOffByTheWordAfterItGluedOrNot) {
  EXPECT_EQ(sound_command("!sound on"), Sound_request::on);
  EXPECT_EQ(sound_command("!soundon"), Sound_request::on);
  EXPECT_EQ(sound_command("!sound    onward"), Sound_request::on);
  EXPECT_EQ(sound_command("!sound off"), Sound_request::off);
  EXPECT_EQ(sound_command("!soundoff"), Sound_request::off);
}

TEST(Entry_command_test, SoundWithoutOnOrOffToggles) {
  for (const char* text :
       {"!sound", "!sound ", "!sound   ", "!sound xyz", "!sounds", "!sound o", "!sound of"}) {
    EXPECT_EQ(sound_command(text), Sound_request::toggle) << text;
  }
}

TEST(Entry_command_test, OnlyTheExactWordBangSoundAtTheStartIsTheSoundCommand) {
  for (const char* text : {"sound on", " !sound on", "!Sound on", "!soun", ""}) {
    EXPECT_EQ(sound_command(text), Sound_request::none) << text;
  }
}

TEST(Entry_command_test, DirectionArgumentsLookAtTwoLettersAfterTheBlanks) {
  struct Case {
    const char* text;
    Entry_action action;
    int sens_qr;
  };
  for (const Case& c :
       {Case{"!new", Entry_action::new_words, 0}, Case{"!new qr", Entry_action::new_words, 1},
        Case{"!new    rq", Entry_action::new_words, 2},
        Case{"!new qrx", Entry_action::new_words, 1}, Case{"!new q r", Entry_action::new_words, 0},
        Case{"!new xy rq", Entry_action::new_words, 0}, Case{"!bal rq", Entry_action::balance, 2},
        Case{"!bal", Entry_action::balance, 0}, Case{"!lessv qr", Entry_action::worst_words, 1}}) {
    const Entry_command got = parse_entry_command(c.text);
    EXPECT_EQ(got.action, c.action) << c.text;
    EXPECT_EQ(got.sens_qr, c.sens_qr) << c.text;
  }
}

TEST(Entry_command_test, TheLetterAfterWorstSelectsTheCriterion) {
  struct Case {
    const char* text;
    int code;
    int sens_qr;
  };
  for (const Case& c : {Case{"!worst", 1, 0}, Case{"!worst rq", 1, 2}, Case{"!worsto", 2, 0},
                        Case{"!worsty", 3, 0}, Case{"!worstn", 4, 0}, Case{"!worsto qr", 2, 1},
                        Case{"!worstn   rq", 4, 2}, Case{"!lessv", 5, 0}}) {
    const Entry_command got = parse_entry_command(c.text);
    EXPECT_EQ(got.action, Entry_action::worst_words) << c.text;
    EXPECT_EQ(got.code_worst, c.code) << c.text;
    EXPECT_EQ(got.sens_qr, c.sens_qr) << c.text;
  }
}

TEST(Entry_command_test, CommandWordsMustEndAndMatchExactlyOrTheTextNamesALesson) {
  for (const char* text :
       {"!worstx", "!worst2", "!worstoo", "!newqr", "!New",     "HELP",      "!helpme",  "!tags",
        "!ntagx",  "!dicos",  "!trfx",    "!ccdb2", "!synchro", "!synchrox", "!lessvqr", "!ltags",
        "!bal2",   "! new",   " !new",    "!",      "",         "   ",       "12",       "verbs"}) {
    EXPECT_EQ(parse_entry_command(text).action, Entry_action::lesson) << text;
  }
}

TEST(Entry_command_test, CommandsWithoutArgumentsAcceptTrailingWords) {
  EXPECT_EQ(parse_entry_command("!ltag").action, Entry_action::tag_census);
  EXPECT_EQ(parse_entry_command("!dico now").action, Entry_action::dictionary);
  EXPECT_EQ(parse_entry_command("!help").action, Entry_action::help);
  EXPECT_EQ(parse_entry_command("help me").action, Entry_action::help);
  EXPECT_EQ(parse_entry_command("!trf ").action, Entry_action::transfer_base);
}

TEST(Entry_command_test, TagsAreLowerCasedWithoutAccentsBetweenBlanks) {
  struct Case {
    const char* text;
    Entry_action action;
    const char* tag;
    int sens_qr;
  };
  for (const Case& c : {
           Case{"!tag", Entry_action::worst_tag, "", 0},
           Case{"!tag   ", Entry_action::worst_tag, "", 0},
           Case{"!tagqr", Entry_action::worst_tag, "", 1},
           Case{"!tagqr Nom", Entry_action::worst_tag, " nom ", 1},
           Case{"!tagrq   Nom", Entry_action::worst_tag, " nom ", 2},
           Case{"!tag qr Nom", Entry_action::worst_tag, " qr nom ", 0},
           Case{"!tag  Verbe irr\xE9gulier", Entry_action::worst_tag, " verbe irregulier ", 0},
           Case{"!tag Nom  ", Entry_action::worst_tag, " nom   ", 0},
           Case{"!tagq colour", Entry_action::worst_tag, " colour ", 0},
           Case{"!tagqrs colour", Entry_action::worst_tag, " colour ", 0},
           Case{"!tagxy colour", Entry_action::lesson, "", 0},
           Case{"!ntag", Entry_action::new_tag, "", 0},
           Case{"!ntagrq x", Entry_action::new_tag, " x ", 2},
           Case{"!ntag \xC9t\xE9", Entry_action::new_tag, " ete ", 0},
       }) {
    const Entry_command got = parse_entry_command(c.text);
    EXPECT_EQ(got.action, c.action) << c.text;
    EXPECT_EQ(got.ss_tag, c.tag) << c.text;
    EXPECT_EQ(got.sens_qr, c.sens_qr) << c.text;
  }
}

TEST(Entry_command_test, CheckTakesEveryLessonNamedAndSynchroOnlyTheFirstPath) {
  EXPECT_EQ(parse_entry_command("!ccdb a 3").words, (Words{"a", "3"}));
  EXPECT_EQ(parse_entry_command("!ccdb   a   3  ").words, (Words{"a", "3"}));
  EXPECT_EQ(parse_entry_command("!ccdb").words, Words{});
  EXPECT_EQ(parse_entry_command("!ccdb  ").action, Entry_action::check_base);

  const Entry_command synchro = parse_entry_command("!synchro   ../old x");
  EXPECT_EQ(synchro.action, Entry_action::synchro_base);
  EXPECT_EQ(synchro.words, Words{"../old"});
  EXPECT_EQ(parse_entry_command("!synchro ").action, Entry_action::synchro_base);
  EXPECT_EQ(parse_entry_command("!synchro ").words, Words{});
}

}  // namespace
