#pragma once

#include "platform/ArquivoIni.h"

#include <QString>
#include <atomic>
#include <memory>
#include <mutex>

// The launcher's data module: its own settings (port, portal address, version,
// local execution, listening addresses). The database session lives beside it in
// its own files. Read from the GUI thread and from the HTTP connection threads.
class TdmRepositorio
{
public:
    // Where the settings live; tests point them at a folder of their own.
    struct Locais
    {
        QString dirConfiguracao; // folder of config.ini
        QString arquivoRegistro; // the per-user registry hive
        QString executavel;      // whose version record GetVersao reads
    };
    static Locais locaisPadrao();

    explicit TdmRepositorio(Locais locais = locaisPadrao());
    ~TdmRepositorio();
    TdmRepositorio(const TdmRepositorio&) = delete;
    TdmRepositorio& operator=(const TdmRepositorio&) = delete;

    // The program's one data module: created by start-up before the main window,
    // freed after it; everything else reaches it through instancia().
    static TdmRepositorio& criarInstancia();
    static TdmRepositorio& instancia();
    static bool instanciaExiste();
    static void liberarInstancia();

    // The version record's "FileVersion" of the launcher; read again while empty.
    QString GetVersao();

    int PortLauncher() const noexcept { return FPortLauncher.load(); }
    // Keeps the port and writes it as "porta"; raises when config.ini cannot be written.
    void SetPortLauncher(int valor);

    // Portal address ("url"), read once at creation.
    const QString& UrlVQM() const noexcept { return FUrlVQM; }

    // The computer runs routines from its local installation.
    bool ExecutarRotinaLocal() const;
    void SetExecutarRotinaLocal(bool pExecutandoLocalmente);
    // Stores the opposite of the current setting in one step, so concurrent toggles
    // (other requests, other programs) are never lost; returns the new setting.
    bool InverterExecutarRotinaLocal();

    // "escuta=todos": the service listens on every address, not only on loopback.
    bool EscutaTodos() const;

    const ArquivoIni& configIni() const noexcept { return FConfigIni; }

private:
    Locais m_locais;
    ArquivoIni FConfigIni;
    QString FUrlVQM;
    std::atomic<int> FPortLauncher{0};
    std::mutex m_travaVersao;
    QString FVersao;
};
