// The drill table: the loaded lesson's elements with their history counters,
// days and errors in both senses, and one order per sense, worst first.
//
// NOTES ON THE DESIGN OF THE DRILL TABLE
//
// Elements are numbered from 1; slot 0 of every array is not an element
// (elem_nevez[0] is the change counter of the current question). Sense 1 is
// Q->R, any other sense R->Q. The table holds these invariants after a load,
// after a generator has filled it, and after every verdict and undo:
//
//  1. 0 <= nb_posit <= nbmx_posit, and each of the seventeen arrays holds
//     nbmx_posit + 5 slots, so the spare slot nb_posit + 1 always exists.
//  2. Ranks 1 to nb_posit of QRord_posit, and of RQord_posit, each hold a
//     permutation of the elements 1 to nb_posit.
//  3. Along the ranks of each order the error never rises, where a negative
//     error (never asked in that sense) ranks above every other error.
//     Among equal errors, MERGESORT keeps the previous relative order and a
//     marked element goes after the others.
//  4. For every element and sense, cum_nb >= cum_nb0 and cum_nok >= cum_nok0:
//     the differences are the right and wrong answers given since the load.
//     The marking only adds to cum_nb and cum_nok; the days and positions
//     never change after the load.
//  5. The spare slot nb_posit + 1 of both order arrays holds the element of
//     the last verdict that can still be undone, or -1 when there is none;
//     the spare slot of elem_nevez and of the ten counter arrays (errors,
//     counts and their loaded copies) holds that element's values from just
//     before the verdict.
//
// drill_table_fault() checks 1 to 4 (tests and debugging); VERIF_CLASSMENT
// (drill/verif_classment.h) is the program's own check of 3.
#pragma once

#include <optional>
#include <string>
#include <type_traits>
#include <vector>

// The eight arrays of one sense, addressed alike for Q->R and R->Q.
template <bool Const>
struct Basic_Sense_View {
  template <typename T>
  using Array = std::conditional_t<Const, const std::vector<T>, std::vector<T>>;

  Array<int>& ord_posit;  // element at each rank
  Array<long>& cum_err;
  Array<long>& cum_nb;
  Array<long>& cum_nb0;
  Array<long>& cum_nok;
  Array<long>& cum_nok0;
  Array<long>& date_ok;
  Array<long>& date_nok;
};
using SenseView = Basic_Sense_View<false>;
using ConstSenseView = Basic_Sense_View<true>;

struct Trf_posit {
  int nb_posit = 0;    // number of elements
  int nbmx_posit = 0;  // capacity: every array has nbmx_posit + 5 slots

  std::vector<long> posit;       // offset of the element's entry in the generated lesson file
  std::vector<int> elem_nevez;   // [0] change counter; [i] verdicts on i since the load
  std::vector<int> QRord_posit;  // element at each rank, Q->R; spare slot: last marked
  std::vector<int> RQord_posit;  // the same for R->Q

  std::vector<long> QRcum_err;    // error in Q->R, -1 = never asked
  std::vector<long> QRcum_nb;     // right answers, as loaded and then counted
  std::vector<long> QRcum_nb0;    // right answers as loaded
  std::vector<long> QRcum_nok;    // wrong answers, as loaded and then counted
  std::vector<long> QRcum_nok0;   // wrong answers as loaded
  std::vector<long> QR_date_ok;   // day of the last right answer, as loaded
  std::vector<long> QR_date_nok;  // day of the last wrong answer, as loaded

  std::vector<long> RQcum_err;  // the same seven for R->Q
  std::vector<long> RQcum_nb;
  std::vector<long> RQcum_nok;
  std::vector<long> RQcum_nb0;
  std::vector<long> RQcum_nok0;
  std::vector<long> RQ_date_ok;
  std::vector<long> RQ_date_nok;

  // The arrays of sense `sens_qr` (1 = Q->R, anything else R->Q).
  SenseView sense(int sens_qr) {
    if (sens_qr == 1) {
      return {QRord_posit, QRcum_err,  QRcum_nb,   QRcum_nb0,
              QRcum_nok,   QRcum_nok0, QR_date_ok, QR_date_nok};
    }
    return {RQord_posit, RQcum_err,  RQcum_nb,   RQcum_nb0,
            RQcum_nok,   RQcum_nok0, RQ_date_ok, RQ_date_nok};
  }
  ConstSenseView sense(int sens_qr) const {
    if (sens_qr == 1) {
      return {QRord_posit, QRcum_err,  QRcum_nb,   QRcum_nb0,
              QRcum_nok,   QRcum_nok0, QR_date_ok, QR_date_nok};
    }
    return {RQord_posit, RQcum_err,  RQcum_nb,   RQcum_nb0,
            RQcum_nok,   RQcum_nok0, RQ_date_ok, RQ_date_nok};
  }

  // Empties the table (nb_posit = 0) and gives every array capacity + 5
  // slots: counters 0, order slots -1. Cannot fail (allocation aside).
  void reset(int capacity);

  // Raises the capacity to `capacity`, keeping every slot's contents; new
  // slots are 0 (order slots -1). Does nothing when the capacity is already
  // that large.
  void grow(int capacity);

  // Before element `element` is stored: while it has reached the capacity,
  // raises the capacity by 20 (the growth step of loads and generators).
  void make_room_for(int element);

  // Starts a drill on the loaded elements: elem_nevez all 0 (nothing asked
  // yet) and the spare slots of both orders -1 (no verdict to undo).
  void clear_marks();

  // Copies the whole record of slot `from` into slot `to`: position, errors,
  // counts with their loaded copies and days of both senses (not the orders
  // nor elem_nevez). Both slots must lie within the arrays.
  void copy_element(int from, int to);
};

// The start-up table: five never-asked elements (nb_posit = nbmx_posit = 5),
// every long array with slot 0 = 5 and slots 1 to 5 = -1. INIT_CUM_ERR sizes
// the table and fills the long arrays; INIT_ORDERING_POSIT then puts rank i =
// element i in both orders and clears the marks. Cannot fail.
void INIT_CUM_ERR(Trf_posit& t_posit);
void INIT_ORDERING_POSIT(Trf_posit& t_posit);

// Rank of `element` in the order of sense `sens_qr`, or 0 when it is not in
// ranks 1 to nb_posit. Linear in nb_posit.
int rank_of_element(const Trf_posit& t_posit, int sens_qr, int element);

// The first broken invariant among 1 to 4 above, described in a sentence, or
// nothing when all hold. Linear in nb_posit; allocates a work bitmap.
std::optional<std::string> drill_table_fault(const Trf_posit& t_posit);
