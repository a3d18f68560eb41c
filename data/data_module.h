#pragma once

#include "data/ado_connection.h"

#include <QObject>

// The window-less container of the one connection that the main window and both auxiliary
// windows share.
class TDM : public QObject {
    Q_OBJECT
public:
    explicit TDM(QObject* parent = nullptr);
    ~TDM() override;

    AdoConnection ADOConnection1;
};
