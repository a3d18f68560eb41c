#include "data/data_module.h"

TDM* DM = nullptr;

TDM::TDM(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("DM"));
    DM = this;
}

TDM::~TDM() {
    if (DM == this)
        DM = nullptr;
}
