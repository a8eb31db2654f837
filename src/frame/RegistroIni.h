#pragma once

#include "platform/EKorvane.h"
#include "platform/RegistroUsuario.h"

#include <QString>

// A value of the registry read with a type it was not stored with.
class ERegistro : public EKorvane
{
public:
    using EKorvane::EKorvane;
};

// The per-user registry seen as an INI file: a current key, and sections that
// are its subkeys (the empty section is the current key itself). Every value
// is kept as text; integers and Booleans are converted on the way.
class RegistroIni
{
public:
    explicit RegistroIni(QString chaveAtual = {});
    virtual ~RegistroIni() = default;

    RegistroIni(const RegistroIni&) = delete;
    RegistroIni& operator=(const RegistroIni&) = delete;

    const QString& chaveAtual() const noexcept { return m_chave; }

    // Missing values give the default; a value stored with another type than
    // text raises ERegistro and is left as it is.
    QString lerTexto(const QString& secao, const QString& ident, const QString& padrao) const;
    qint32 lerInteiro(const QString& secao, const QString& ident, qint32 padrao) const;
    bool lerBooleano(const QString& secao, const QString& ident, bool padrao) const;

    // Raise EKorvane when the hive cannot be written.
    void gravarTexto(const QString& secao, const QString& ident, const QString& valor);
    void gravarInteiro(const QString& secao, const QString& ident, qint32 valor);
    void gravarBooleano(const QString& secao, const QString& ident, bool valor);

protected:
    RegistroUsuario& registro() noexcept { return m_registro; }
    const RegistroUsuario& registro() const noexcept { return m_registro; }
    // Makes chave the current key, creating it when missing. False when it
    // neither exists nor can be created.
    bool abrirChave(const QString& chave);

private:
    QString caminho(const QString& secao) const;

    RegistroUsuario m_registro;
    QString m_chave;
};
