#include "data/data_module.h"

TDM::TDM(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("DM"));
}

TDM::~TDM() = default;
