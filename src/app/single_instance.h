#ifndef CRUMBLEFORD_APP_SINGLE_INSTANCE_H
#define CRUMBLEFORD_APP_SINGLE_INSTANCE_H

// Keeps the game to one running copy per player: the first start holds a
// lock file in the player's directory and listens for later starts, which
// ask it to come to the front and end. main() makes it before the window
// and keeps it for the whole run; the lock goes with the process, so a
// crashed game leaves nothing that blocks the next start.

#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;

class single_instance : public QObject
{
    Q_OBJECT
  public:
    explicit single_instance(const QString& lock_path, QObject* parent = nullptr);
    ~single_instance() override;

    // False when another copy holds the lock. A lock that cannot be made at
    // all (no writable home) does not stop the game: it runs unguarded.
    bool first() const { return !held_elsewhere; }
    // Asks the running copy to come to the front; false when it could not
    // be reached.
    bool ask_to_raise(int timeout_ms = 2000);
    // From now on, a later start's request calls `raise`.
    void serve(std::function<void()> raise);

    // The local socket's name, one per lock file: two players, or two test
    // homes, never reach each other's game.
    static QString server_name(const QString& lock_path);

  private:
    void take_request();

    QString lock_path;
    QLockFile lock;
    bool held_elsewhere = false;
    QLocalServer* server = nullptr;
    std::function<void()> on_raise;
};

#endif
