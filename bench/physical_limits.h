#pragma once

#include "bench/bench_support.h"

#include <memory>

// What no program on this machine and file can beat, measured in the same run as the figures:
// limit/commit (one durable one-row commit), limit/sync (a 4 KiB write and fsync),
// limit/key (opening the file with its key) and limit/decrypt/SIZE (every page read); and the
// original's statements that scan the bank: limit/count, limit/reset and limit/list.
void registerPhysicalLimits(bool quick);

// A plain connection on the folder's copy with the journal settings the program's own open
// chooses, read once that connection is closed again: what every floor starts from.
std::unique_ptr<FloorDb> withProgramSettings(const ScratchFolder& folder);
