#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QSystemTrayIcon;
class ServidorHttp;
class TdmRepositorio;
class TwmLocal;

// The hidden main window: tray icon and its menu, the start and stop of the
// local HTTP service (which it owns), the version dialog.
class TfrmLauncher : public QWidget
{
    Q_OBJECT

public:
    struct Opcoes
    {
        int portaNormal = 9195; // 0: any free port (tests)
        int esperaMs = 1000;    // pause before every bind attempt
    };

    TfrmLauncher(TdmRepositorio& repositorio, QString modoInstalacao);
    TfrmLauncher(TdmRepositorio& repositorio, QString modoInstalacao, Opcoes opcoes);
    ~TfrmLauncher() override;

    bool modoCompartilhado() const { return FModoInstalacao == QLatin1String("W"); }
    bool servicoAtivo() const;
    bool iniciando() const { return m_iniciando; }
    // "Versão do KorvaneStart: " and the version, " Modo:TS" in the shared-host mode.
    QString textoVersao() const;

    QMenu* menu() const { return pmnControlar; }
    QSystemTrayIcon* iconeBandeja() const { return tryExecutaveis; }
    QAction* acaoServico() const { return Iniciarservio1; }
    QAction* acaoVersao() const { return Verso1; }
    QAction* acaoFechar() const { return mniFechar; }
    QLabel* rotulo() const { return Label1; }

    static const QString kIniciar;
    static const QString kParar;

signals:
    void servicoIniciado(int porta);
    void servicoParado();
    // The window closed: the program ends.
    void fechado();

public slots:
    void Iniciarservio1Click();
    void Verso1Click();
    void mniFecharClick();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void montarConteudo();
    void montarMenu();
    void iniciarServico();
    void tentarLigar();
    void pararServico();
    void guardarPorta(int porta);
    static int sortearPorta();
    void Timer1Timer();

    TdmRepositorio& m_repositorio;
    Opcoes m_opcoes;
    QString FModoInstalacao;
    std::unique_ptr<TwmLocal> m_wmLocal;
    std::unique_ptr<ServidorHttp> FServer;
    QMenu* pmnControlar = nullptr;
    QAction* Iniciarservio1 = nullptr;
    QAction* Verso1 = nullptr;
    QAction* N1 = nullptr;
    QAction* mniFechar = nullptr;
    QSystemTrayIcon* tryExecutaveis = nullptr;
    QLabel* Label1 = nullptr;
    QTimer Timer1;
    QTimer m_espera; // the pause before a bind attempt, without blocking the menu
    bool m_iniciando = false;
    bool m_avisouPorta = false;
};
