#include "app/startup.h"

int main(int argc, char** argv) { return run_pimlo(argc, argv); }
