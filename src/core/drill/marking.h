// Marking a verdict and undoing the last one.
//
// When the answer of a question is shown, the mouse button pressed on the
// drill button gives the verdict: 1 = right, 3 = wrong, 2 = skip, any other
// = seen but not judged. A verdict other than skip counts the answer in the
// sense the question was asked in, adjusts the element's error with the
// coefficients and moves the element in that sense's order; button 2 while
// the next question is shown undoes that last verdict.
//
// These functions change only the drill table, the marking state and a few
// book fields; they show nothing. The drill button's handler shows the texts
// below from what they return.
#pragma once

struct Trf_book;

// Shown by the handler after a skip and after an undo.
inline constexpr const char* kSkippedLine = "Recording of previous Q/R skipped ";
inline constexpr const char* kErasedLine = "Record of preceding Q/R erased ";

// What the marking keeps from one press to the next (one per drill).
struct Marking_State {
  int QR_order = 0;  // rank of the question last marked, when it was asked
  int sens_qrm = 1;  // sense of the last verdict other than skip
  int new_ord = -1;  // rank of the last marked element after its move; -1 = nothing to undo
  int jcontm = 0;    // element of the last marked question, as found at undo
};

enum class Verdict {
  right,      // button 1
  wrong,      // button 3
  unchanged,  // another button: counted as seen, error and counts kept
  skipped,    // button 2: nothing counted, the previous verdict stays undoable
  ignored,    // no element was asked (empty table or element outside it)
};

struct Verdict_Outcome {
  Verdict verdict = Verdict::ignored;
  int element = 0;             // the element marked (the book's QR_no)
  int new_rank = 0;            // its rank after the move (0 when not moved)
  long new_err = 0;            // its error after the verdict
  bool sense_changed = false;  // a pending sense change was applied
};

// Marks the verdict of mouse button `button` on the question now answered:
// element book.QR_no, asked at rank book.QR_order in sense book.sens_qrm,
// in book.t_posit with the coefficients book.t_err. Saves the element into
// the spare slot first (except for a skip), so that UNDO_ANSWER can put it
// back. Then applies a pending sense change: when book.toggle_sens_qr is 1,
// it becomes 0 and book.sens_qr becomes the other sense than the one asked.
//
// Right: the error drops by the larger of int(cof4_err) and a third of it,
// and to 0 once the element was already answered right since the load more
// often than wrong (by 2, or at all without a wrong answer); the right count
// rises unless the error was already 0 after a right answer. Wrong: the
// error rises by int(cof5_err) and the wrong count by one.
//
// Costs a binary search and one shift of ranks; no allocation. When
// QR_order does not name the element's rank the rank is looked up (linear).
// Fails (exit status 11, VERIF_CLASSMENT's listing) if the order around the
// element is found unsorted before or after the move, or does not hold the
// element at all.
Verdict_Outcome MARK_ANSWER(int button, Marking_State& marking, Trf_book& book);

enum class Undo {
  undone,           // the last verdict was taken back; show kErasedLine
  nothing_to_undo,  // no verdict since the load or the last undo; nothing changed
};

// Takes back the last verdict other than skip: restores the element's
// counters, errors and elem_nevez from the spare slot, rebuilds the order of
// the verdict's sense from the errors (MERGESORT), and sets book.QR_order to
// the rank of the question now shown (book.QR_no in sense book.sens_qrm; 0
// if not found). Lowers elem_nevez[0] below 0 so the question choice knows a
// verdict was withdrawn. With nothing to undo it traces "new_ord=%d jcontm=%d
// is undefined ok_nok return\n" and changes nothing. Fails (exit status 11)
// only if the rebuilt orders are found unsorted, which MERGESORT never gives.
Undo UNDO_ANSWER(Marking_State& marking, Trf_book& book);
