// Telling the user what the maintenance of the data base found ("!ccdb",
// "!synchro", "!trf"): the history store returns it, this says it.
#pragma once

#include <string>

#include "history/maintenance.h"

struct Trf_book;

// One box after a check ("!ccdb"; `whole_base` when no lesson was named):
// the history files checked, those whose faulty lines were repaired with
// the backup that keeps each as it was, and the names that named no
// lesson. A warning box when something was repaired or unknown, else an
// information box saying that all was well. Nothing without a screen.
void tell_check_report(const Base_report& report, bool whole_base, Trf_book& book);

// One box after a synchronisation with `directory` ("!synchro"): the
// history files synchronised, those left as they were, and those whose
// faulty lines were repaired with their backups. A warning box when
// something was repaired or nothing synchronised, else an information box.
void tell_synchro_report(const Base_report& report, const std::string& directory, Trf_book& book);

// After a transfer ("!trf") that left files out or met faults: clears the
// drill pane and shows there one line per such file (at most a screenful,
// the log holds them all). Leaves book.nb_line counting the lines.
void show_transfer_faults(const Transfer_report& report, Trf_book& book);
