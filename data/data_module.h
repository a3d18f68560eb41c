#pragma once

#include "data/ado_connection.h"
#include "data/ado_query.h"

#include <QObject>

// The window-less container of the connection and the general-purpose query that the main
// window and both auxiliary windows share; each user sets its own statement before use.
class TDM : public QObject {
    Q_OBJECT
public:
    explicit TDM(QObject* parent = nullptr);
    ~TDM() override;

    AdoConnection ADOConnection1;
    AdoQuery query1{&ADOConnection1};
};
