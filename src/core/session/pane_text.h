// Small helpers shared by the drill's displays: the labels of the sense
// button, and messages that go both to standard output and the log.
#pragma once

#include <string>

#include "base/stop.h"

struct Trf_book;
class LogFile;

// The sense button's label for sense `sens_qr`: "R->Q" for 2, else "Q->R".
const char* sense_label(int sens_qr);

// Prints a failure message on standard output and writes it into the log.
void say_and_log(Trf_book& book, const char* fmt, ...) PIMLO_PRINTF(2, 3);
