#pragma once

#include <QDialog>
#include <QHash>
#include <QList>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <memory>

// Opens the terminal's screens by name: create, run modally, destroy. Subsystems register
// their screens at start-up, so that the main screen needs no knowledge of them; tests can
// record what would have been opened instead.
namespace platform {

class ScreenNavigator {
public:
    using Factory = std::function<std::unique_ptr<QDialog>(QWidget *parent, const QVariantMap &args)>;

    struct Request {
        QString screen;
        QVariantMap args;
    };

    static ScreenNavigator &instance();

    void registerScreen(const QString &screen, Factory factory);
    void unregisterAll();
    bool isRegistered(const QString &screen) const;

    // Returns the screen's dialog result, or -1 when no such screen is registered.
    int open(const QString &screen, QWidget *parent, const QVariantMap &args = {});

    // While recording, open() only lists the request and returns `recordedResult`.
    void startRecording(int recordedResult = QDialog::Accepted);
    void stopRecording();
    const QList<Request> &requests() const { return m_requests; }

private:
    QHash<QString, Factory> m_factories;
    bool m_recording = false;
    int m_recordedResult = QDialog::Accepted;
    QList<Request> m_requests;
};

} // namespace platform
