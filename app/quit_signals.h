#pragma once

#include <QObject>

class QSocketNotifier;

// A logout, a shutdown or a closed terminal sends SIGTERM, SIGHUP or SIGINT; the default action
// kills the process with the latest answers still only in the write-ahead log. While an object of
// this class lives, those signals instead end the event loop between two handlers, so the answer
// being stored is committed, and the usual way out closes the database (checkpoint, rollback
// journal) and gives up its lock. A signal handler may only write to a pipe; the event loop
// reads it (Qt's self-pipe pattern).
class QuitSignals : public QObject {
    Q_OBJECT
public:
    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

private:
    void readSignal();

    QSocketNotifier* notifier_ = nullptr;
};
