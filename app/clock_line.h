#pragma once

#include <QDateTime>
#include <QString>

// "当前时间：2012年3月05日   08时07分09 秒"
QString formatClockLine(const QDateTime& now);
