// Filling the drill table from history records, shared by the loading of a
// lesson and by the lesson generators: each stores every element's history
// as read, then computes all errors for the same day.
#pragma once

struct Trf_posit;
struct Trf_err;

// Stores the history of `element` in sense `sens_qr` as loaded: cum_nb =
// cum_nb0 = `nb`, cum_nok = cum_nok0 = `nok`, the two days, and rank
// `element` = `element` in that sense's order. The element must fit the
// capacity (Trf_posit::make_room_for). Cannot fail.
void store_loaded_history(Trf_posit& t_posit, int element, int sens_qr, long nb, long nok,
                          long date_ok, long date_nok);

// Computes the error of elements 1 to nb_posit in both senses on day
// `today` with FCT_ERROR: -1 when both counts are below 1 (never asked).
// Cannot fail.
void compute_errors(Trf_posit& t_posit, const Trf_err& t_err, long today);
