#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (logout, service manager, Ctrl+C) into a call
// on the GUI thread, so the launcher closes as "&Fechar" would.
class EncerramentoPorSinal : public QObject
{
    Q_OBJECT

public:
    explicit EncerramentoPorSinal(std::function<void()> aoEncerrar, QObject* parent = nullptr);
    ~EncerramentoPorSinal() override;

private:
    std::function<void()> m_aoEncerrar;
    std::unique_ptr<QSocketNotifier> m_aviso;
};
