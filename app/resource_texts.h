#pragma once

#include <QString>

// A text shipped inside the program (help, key hints), by file name; lines end in "\n".
QString resourceText(const QString& name);
