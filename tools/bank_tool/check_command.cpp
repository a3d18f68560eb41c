// check: both banks, SYS_CFG and sysparam as the program relies on them.
#include "data/sqlite_database.h"
#include "tools/bank_tool/bank_tool.h"
#include "tools/bank_tool/check_report.h"
#include "tools/bank_tool/commands.h"

int checkCommand(const QString& databasePath, ToolStreams streams) {
    const auto database = openExamDatabase(databasePath);
    const CheckReport report = checkExamDatabase(*database, programFolderOf(databasePath));
    printCheckReport(report, databasePath, streams);
    return report.problemCount() == 0 ? kExitOk : kExitRefused;
}
