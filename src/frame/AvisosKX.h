#pragma once

#include "frame/PreferenciasKX.h"

#include <QObject>

// The process's end of the suite-wide mode notification: a mode change made
// by a window of this process reaches every frame at once, and a change of
// the modes in the per-user registry hive (another program of the suite
// changing one) arrives through the hive's change notification.
class AvisosKX : public QObject
{
    Q_OBJECT

public:
    static AvisosKX& Central();

    // Tells every frame of this process that the modes changed to `modos`
    // (already written to the store).
    void Difundir(const PreferenciasKX::Interface& modos);

signals:
    void coresDoSistemaAlteradas();

private:
    AvisosKX();
    void AoMudarRegistro();

    PreferenciasKX::Interface m_modos;
};
