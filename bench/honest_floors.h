#pragma once

#include <vector>

class FloorDb;

// The least work that gives the learner what the program gives, as plain SQLCipher calls: each
// floor writes the rows the program writes, in one commit, and reads no row it does not show or
// need. The indexes a floor would want are added once to its copy, outside the timing.
void addFloorIndexes(FloorDb& db);

// Draws a paper by the rotation-pool rules inside the caller's transaction, probing single pool
// rows while the chapter is mostly free and listing the free ids once it is mostly used.
void drawPaperRows(FloorDb& db);

// The paper's rows, as the question list shows them; returns how many.
int readPaper(FloorDb& db);

// A whole draw: one commit, then the paper's rows; returns how many.
int floorDraw(FloorDb& db);

// The start of a mode after an exercise that answered `answered`: only those are reset.
void floorStartPractice(FloorDb& db, const std::vector<int>& answered);
void floorStartPaper(FloorDb& db, const std::vector<int>& answered);

// One answer key in sequential practice: the answer, the kept practice, the book, the memory
// model and the history in one commit, then the next question's row. Counters stay in memory.
class FloorPractice {
public:
    explicit FloorPractice(FloorDb& db);
    void answer(int code);

private:
    FloorDb& db_;
    std::vector<int> ids_;
    std::size_t position_ = 0;
    int right_ = 0;
    int answered_ = 0;
};

// One answer key in a mock exam: the one write of MARK; the paper's texts are in memory.
void floorPaperAnswer(FloorDb& db, int id, int code);

// Hand-in: score, chapters, paper record, book, memory model and history in one commit, then
// what the start panel shows of the memory model.
int floorHandIn(FloorDb& db);
