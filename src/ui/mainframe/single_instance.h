// One running Pictra per user and program folder. A later start hands its
// album to the running instance as the text [open("FILE.abm")] over a local
// socket and ends; the running instance receives the text as a signal.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace pictra::ui {

// The local socket name for this user and program folder.
QString singleInstanceName(const QString& programFolder);

// Sends `text` to the instance listening on `name`; false when none answers.
bool sendToRunningInstance(const QString& name, const QString& text, int timeoutMs = 1000);

class SingleInstanceServer : public QObject {
    Q_OBJECT
public:
    explicit SingleInstanceServer(QObject* parent = nullptr);

    // Starts listening on `name`, taking over a name left by a crashed
    // instance. False when it cannot listen.
    bool listen(const QString& name);

signals:
    // A command text arrived from a later start (possibly empty).
    void commandReceived(const QString& text);

private:
    void acceptConnection();

    QLocalServer* m_server = nullptr;
};

} // namespace pictra::ui
