#pragma once

#include "platform/Caminhos.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

// Tells when the per-user registry hive changes, whoever changed it: this
// process or any other program of the suite. Changes replace the hive file by
// a rename, so both the file and its folder are watched, and the watch is
// renewed after every event. A burst of changes gives one alterado().
class ObservadorRegistro : public QObject
{
    Q_OBJECT

public:
    explicit ObservadorRegistro(QString arquivo = Caminhos::arquivoRegistro(),
                                QObject* parent = nullptr);

    const QString& arquivo() const noexcept { return m_arquivo; }

signals:
    void alterado();

private:
    void vigiar();
    void aoEvento();
    void conferir();
    QByteArray conteudo() const;

    QString m_arquivo;
    QFileSystemWatcher m_vigia;
    QTimer m_espera;
    QElapsedTimer m_pendente;
    QByteArray m_ultimo;
    bool m_existia = false;
};
