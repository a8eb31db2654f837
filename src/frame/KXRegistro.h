#pragma once

#include "frame/RegistroIni.h"

#include <QString>

// The per-user settings of one product family of the suite, kept under its
// product key, plus the installation folder (key "Environment", value
// "DirInstalacao") from which every other folder of the suite is derived.
class TKXRegistro : public RegistroIni
{
public:
    // Only the installation folder: no product key is opened.
    TKXRegistro();
    // Opens (creating it when missing) the product key of that type.
    explicit TKXRegistro(qint32 pTipoAplicativo);

    // "Software\\GrupoKX\\..." for the known types; empty (the root of the
    // hive) for any other.
    static QString ChaveDoAplicativo(qint32 tipo);

    qint32 TipoAplicativo() const noexcept { return fTipoAplicativo; }
    void setTipoAplicativo(qint32 tipo) noexcept { fTipoAplicativo = tipo; }

    // Read: the stored value as it is; when missing or blank, the default
    // folder, which is then stored too. Write: stores it and sets the
    // variable DirInstalacao of this process.
    QString DirInstalacao() const;
    void setDirInstalacao(const QString& valor);
    QString DirProd() const { return DirInstalacao() + QStringLiteral("Prod/"); }
    QString DirLib() const { return DirProd() + QStringLiteral("Lib/"); }
    QString DirSpool() const { return DirInstalacao() + QStringLiteral("Spool/"); }

    bool InterfaceMonitora() const;
    void setInterfaceMonitora(bool valor);
    bool InterfaceSimplificada() const;
    void setInterfaceSimplificada(bool valor);
    qint32 ModoAplicacao() const;
    void setModoAplicacao(qint32 valor);

private:
    qint32 fTipoAplicativo = 0;
};
