#pragma once

// What no program on this machine and file can beat, measured in the same run as the figures:
// limit/commit (one durable one-row commit), limit/sync (a 4 KiB write and fsync),
// limit/key (opening the file with its key) and limit/decrypt/SIZE (every page read); and the
// original's statements that scan the bank: limit/count, limit/reset and limit/list.
void registerPhysicalLimits(bool quick);
