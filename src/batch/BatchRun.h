#pragma once

#include <QStringList>

#include <cstdio>

// Whether the program was started for a batch run: kurvex --batch ...
bool IsBatchCall(int argc, char** argv);

// A whole batch run without windows, from the arguments after --batch: reads every input in
// --jobs threads (each picture decoded in a child process), writes one CSV per input and page
// and summary.jsonl into the output folder, each atomically, and says how far it is on `log`
// (a bar when that is a terminal). Returns the exit status: 0 every input read, 1 some refused
// (or the run stopped by a signal), 2 a usage error.
int RunBatch(const QStringList& arguments, std::FILE* log);
