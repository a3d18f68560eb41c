#include "data/program_version.h"

QString programVersion() {
    return QStringLiteral(XUNDRAL_VERSION);
}
