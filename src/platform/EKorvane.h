#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// Base of the program's exceptions: a Portuguese message meant for the user.
class EKorvane : public std::exception
{
public:
    explicit EKorvane(QString mensagem)
        : m_mensagem(std::move(mensagem))
        , m_utf8(m_mensagem.toUtf8())
    {}

    const QString& mensagem() const noexcept { return m_mensagem; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_mensagem;
    QByteArray m_utf8;
};
