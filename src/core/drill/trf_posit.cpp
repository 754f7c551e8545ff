// The drill table's storage: sizing, growth, the start-up table and the
// invariant check.
#include "drill/trf_posit.h"

#include <climits>

namespace {

using LongArray = std::vector<long> Trf_posit::*;
using IntArray = std::vector<int> Trf_posit::*;

constexpr LongArray kLongArrays[] = {
    &Trf_posit::posit,      &Trf_posit::QRcum_err,   &Trf_posit::QRcum_nb,
    &Trf_posit::QRcum_nb0,  &Trf_posit::QRcum_nok,   &Trf_posit::QRcum_nok0,
    &Trf_posit::QR_date_ok, &Trf_posit::QR_date_nok, &Trf_posit::RQcum_err,
    &Trf_posit::RQcum_nb,   &Trf_posit::RQcum_nok,   &Trf_posit::RQcum_nb0,
    &Trf_posit::RQcum_nok0, &Trf_posit::RQ_date_ok,  &Trf_posit::RQ_date_nok,
};
constexpr IntArray kOrderArrays[] = {&Trf_posit::QRord_posit, &Trf_posit::RQord_posit};

constexpr long kNeverAskedKey = LONG_MAX;

// Sort key of an error: a never-asked element ranks above every error.
long rank_key(long err) {
  return err < 0 ? kNeverAskedKey : err;
}

std::string sense_name(int sens_qr) {
  return sens_qr == 1 ? "Q->R" : "R->Q";
}

std::optional<std::string> size_fault(const Trf_posit& t) {
  if (t.nb_posit < 0 || t.nb_posit > t.nbmx_posit) {
    return "nb_posit " + std::to_string(t.nb_posit) + " lies outside 0 to nbmx_posit " +
           std::to_string(t.nbmx_posit);
  }
  const std::size_t slots = static_cast<std::size_t>(t.nbmx_posit) + 5;
  for (LongArray array : kLongArrays) {
    if ((t.*array).size() < slots) return "a long array has fewer than nbmx_posit + 5 slots";
  }
  for (IntArray array : kOrderArrays) {
    if ((t.*array).size() < slots) return "an order array has fewer than nbmx_posit + 5 slots";
  }
  if (t.elem_nevez.size() < slots) return "elem_nevez has fewer than nbmx_posit + 5 slots";
  return std::nullopt;
}

std::optional<std::string> order_fault(const Trf_posit& t, int sens_qr) {
  const ConstSenseView s = t.sense(sens_qr);
  std::vector<bool> seen(static_cast<std::size_t>(t.nb_posit) + 1, false);
  for (int r = 1; r <= t.nb_posit; ++r) {
    const int e = s.ord_posit[r];
    const std::string where = sense_name(sens_qr) + " rank " + std::to_string(r);
    if (e < 1 || e > t.nb_posit) return where + " holds element " + std::to_string(e);
    if (seen[e]) return where + " repeats element " + std::to_string(e);
    seen[e] = true;
    if (r > 1 && rank_key(s.cum_err[e]) > rank_key(s.cum_err[s.ord_posit[r - 1]])) {
      return where + " has error " + std::to_string(s.cum_err[e]) + " above the rank before";
    }
  }
  return std::nullopt;
}

std::optional<std::string> counter_fault(const Trf_posit& t, int sens_qr) {
  const ConstSenseView s = t.sense(sens_qr);
  for (int e = 1; e <= t.nb_posit; ++e) {
    if (s.cum_nb[e] < s.cum_nb0[e] || s.cum_nok[e] < s.cum_nok0[e]) {
      return sense_name(sens_qr) + " counts of element " + std::to_string(e) +
             " are below their loaded values";
    }
  }
  return std::nullopt;
}

}  // namespace

void Trf_posit::reset(int capacity) {
  nb_posit = 0;
  nbmx_posit = capacity < 0 ? 0 : capacity;
  const std::size_t slots = static_cast<std::size_t>(nbmx_posit) + 5;
  for (LongArray array : kLongArrays) (this->*array).assign(slots, 0);
  for (IntArray array : kOrderArrays) (this->*array).assign(slots, -1);
  elem_nevez.assign(slots, 0);
}

void Trf_posit::grow(int capacity) {
  if (capacity <= nbmx_posit) return;
  nbmx_posit = capacity;
  const std::size_t slots = static_cast<std::size_t>(nbmx_posit) + 5;
  for (LongArray array : kLongArrays) (this->*array).resize(slots, 0);
  for (IntArray array : kOrderArrays) (this->*array).resize(slots, -1);
  elem_nevez.resize(slots, 0);
}

void Trf_posit::make_room_for(int element) {
  int capacity = nbmx_posit;
  while (element >= capacity) capacity += 20;
  grow(capacity);
}

void Trf_posit::clear_marks() {
  elem_nevez.assign(static_cast<std::size_t>(nbmx_posit) + 5, 0);
  const std::size_t spare = static_cast<std::size_t>(nb_posit) + 1;
  for (IntArray array : kOrderArrays) {
    if ((this->*array).size() > spare) (this->*array)[spare] = -1;
  }
}

void Trf_posit::copy_element(int from, int to) {
  for (LongArray array : kLongArrays) (this->*array)[to] = (this->*array)[from];
}

void INIT_CUM_ERR(Trf_posit& t_posit) {
  t_posit.reset(5);
  t_posit.nb_posit = 5;
  for (LongArray array : kLongArrays) {
    std::vector<long>& values = t_posit.*array;
    values[0] = 5;
    for (int i = 1; i <= 5; ++i) values[i] = -1;
  }
}

void INIT_ORDERING_POSIT(Trf_posit& t_posit) {
  for (IntArray array : kOrderArrays) {
    std::vector<int>& order = t_posit.*array;
    order.assign(static_cast<std::size_t>(t_posit.nbmx_posit) + 5, 0);
    for (int r = 1; r <= t_posit.nb_posit; ++r) order[r] = r;
  }
  t_posit.clear_marks();
}

int rank_of_element(const Trf_posit& t_posit, int sens_qr, int element) {
  const std::vector<int>& order = t_posit.sense(sens_qr).ord_posit;
  for (int r = 1; r <= t_posit.nb_posit; ++r) {
    if (order[r] == element) return r;
  }
  return 0;
}

std::optional<std::string> drill_table_fault(const Trf_posit& t_posit) {
  if (auto fault = size_fault(t_posit)) return fault;
  for (int sens_qr : {1, 2}) {
    if (auto fault = order_fault(t_posit, sens_qr)) return fault;
    if (auto fault = counter_fault(t_posit, sens_qr)) return fault;
  }
  return std::nullopt;
}
