// The sound and sense buttons of the drill's button row.
#pragma once

struct Trf_book;

// Labels of the sound button.
inline constexpr const char* kSoundOnLabel = "<)))";
inline constexpr const char* kSoundOffLabel = "< XX";

// Any mouse button on the sound button: sound cues on <-> off, with the
// label. Also frees the drill button (active 1, sensitive). Cannot fail.
void callback_togsound(Trf_book& book);

// Any mouse button on the sense button. While no drill runs, or while an
// answer is shown, the sense changes at once; while a question is shown a
// change is only requested (toggle_sens_qr 1, the label shows the sense to
// come) and takes effect once the question is marked, and a second press
// withdraws the request. Also frees the drill button. Cannot fail.
void callback_togqr(Trf_book& book);
