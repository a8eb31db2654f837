#pragma once

#include <QObject>

// The process's end of the suite-wide mode notification: a mode change made
// by a window of this process reaches every frame at once, and a change of
// the per-user registry hive (another program of the suite changing a mode)
// arrives through the hive's change notification.
class AvisosKX : public QObject
{
    Q_OBJECT

public:
    static AvisosKX& Central();

    // Tells every frame of this process that the modes changed.
    void Difundir();

signals:
    void coresDoSistemaAlteradas();
    void registroAlterado();

private:
    AvisosKX();
};
