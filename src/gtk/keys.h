// The keyboard drill: while the command entry does not have the focus, keys
// press the drill button as its mouse buttons do.
//
//   at a question      Space, Return, Down     show the answer (button 1)
//                      BackSpace, Ctrl+Z       take back the last verdict (2)
//   at an answer       Right, 1                I knew it (button 1)
//                      Left, 3                 I did not (button 3)
//                      2                       skip (button 2)
//   at an announcement Return                  go on (button 1)
//
// Escape in the command entry gives the focus to the drill button, Ctrl+L
// gives it to the entry.
#pragma once

class Main_window;

// What the drill button's tooltip says of its mouse buttons and keys.
inline constexpr const char* kDrillTooltip =
    "Mouse button 1 shows the answer, then 1 = I knew it, 3 = I did not, 2 = skip; "
    "2 at a question takes back the last verdict.\n"
    "Keys: Space, Return or Down show the answer; then Right or 1 = I knew it, "
    "Left or 3 = I did not, 2 = skip; Backspace or Ctrl+Z at a question takes back "
    "the last verdict; Return goes on from an announcement.\n"
    "Escape leaves the command entry, Ctrl+L goes to it.";

// Connects the window's key presses.
void connect_keys(Main_window& window);
