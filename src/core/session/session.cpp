#include "session/session.h"

Session& session() {
  static Session the_session;
  return the_session;
}

void reset_session() {
  Session& s = session();
  s.copy.close();
  s.sounds = Sound_search{};
  s.text.labels = Label_table{};
  s.text.buttons.clear();
  s.drill = Drill_State{};
}
