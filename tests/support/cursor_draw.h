#pragma once

#include "data/ado_query.h"

#include <QString>

class DrawPoolModel;

// The draw for callers that still hold cursor-style queries (the benchmarks): it runs the
// program's draw on their connection and leaves the paper open in `bank`, as the draw once did.
// Reading the paper into `bank` costs one more SELECT than the program's draw.
struct DrawQueries {
    AdoQuery& pool;
    AdoQuery& taken;
    AdoQuery& bank;
};

// False when no SYS_CFG row asks for questions.
bool drawPaper(AdoQuery& settings, const DrawQueries& queries, const QString& bankName,
               DrawPoolModel* model = nullptr);
