#include "ScreenNavigator.h"

namespace platform {

ScreenNavigator &ScreenNavigator::instance()
{
    static ScreenNavigator navigator;
    return navigator;
}

void ScreenNavigator::registerScreen(const QString &screen, Factory factory)
{
    m_factories.insert(screen, std::move(factory));
}

void ScreenNavigator::unregisterAll() { m_factories.clear(); }

bool ScreenNavigator::isRegistered(const QString &screen) const
{
    return m_factories.contains(screen);
}

int ScreenNavigator::open(const QString &screen, QWidget *parent, const QVariantMap &args)
{
    if (m_recording) {
        m_requests.append({screen, args});
        return m_recordedResult;
    }
    const auto factory = m_factories.constFind(screen);
    if (factory == m_factories.constEnd())
        return -1;
    const std::unique_ptr<QDialog> dialog = (*factory)(parent, args);
    if (!dialog)
        return -1;
    return dialog->exec();
}

void ScreenNavigator::startRecording(int recordedResult)
{
    m_recording = true;
    m_recordedResult = recordedResult;
    m_requests.clear();
}

void ScreenNavigator::stopRecording()
{
    m_recording = false;
    m_requests.clear();
}

} // namespace platform
