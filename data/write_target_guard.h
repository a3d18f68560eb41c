#pragma once

#include <QString>

// The one check before the program or the bank tool writes a file a learner or a maintainer
// named (a record export, a bank export). Refused: the database in use under any name (a
// symlink, a hard link, another spelling), the files SQLite keeps beside it (journal, write-ahead
// log, shared memory), the old lock file, and anything that is not a regular file (a folder, a
// pipe, a device, a socket). Returns why, in Chinese ("它是……，请另选一个文件名"); empty when
// it may be written. Ask it before asking whether to replace an existing file.
struct WriteRequest {
    QString target;
    // The database the program or the tool has open; empty when none.
    QString databasePath;
};
QString refusedWriteTarget(const WriteRequest& request);
